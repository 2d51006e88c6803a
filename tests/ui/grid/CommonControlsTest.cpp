#include "ui/grid/FocusLabels.h"
#include "ui/grid/TFloatEdit.h"
#include "ui/grid/TProgressBox.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

class FloatEditFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&dialog);
        edit = new TFloatEdit(&dialog);
        other = new QLineEdit(&dialog);
        layout->addWidget(edit);
        layout->addWidget(other);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        edit->setFocus();
    }

    void type(const QString& text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
    }

    QWidget dialog;
    TFloatEdit* edit;
    QLineEdit* other;
};

TEST_F(FloatEditFixture, TypingKeepsOnlyANumber)
{
    type("12a34,5,6.-7");
    EXPECT_EQ(edit->text(), QStringLiteral("1234,56.7")); // one comma, one point, no minus
    edit->clear();
    edit->Signed = true;
    type("-1-2 500");
    EXPECT_EQ(edit->text(), QStringLiteral("-12500"));
}

TEST_F(FloatEditFixture, LeavingShowsTheDisplayFormatAndBadTextKeepsTheValue)
{
    type("12345,6");
    other->setFocus();
    EXPECT_DOUBLE_EQ(edit->value(), 12345.6);
    EXPECT_EQ(edit->text(), QStringLiteral("12 345,60"));
    edit->setFocus();
    EXPECT_EQ(edit->text(), QStringLiteral("12345,60"));

    edit->setText(QStringLiteral("1,2."));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(edit->value(), 12345.6);
    EXPECT_EQ(edit->text(), QStringLiteral("12345,60"));

    type("9");
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->text(), QStringLiteral("12345,60"));

    edit->clear();
    other->setFocus();
    EXPECT_DOUBLE_EQ(edit->value(), 0.0);
    EXPECT_TRUE(edit->text().isEmpty());
}

TEST_F(FloatEditFixture, ValueFromTheProgramIsPositiveUnlessSigned)
{
    other->setFocus();
    edit->setValue(-1500.5);
    EXPECT_DOUBLE_EQ(edit->value(), 1500.5);
    EXPECT_EQ(edit->text(), QStringLiteral("1 500,50"));
    edit->Signed = true;
    edit->setValue(-0.5);
    EXPECT_EQ(edit->text(), QStringLiteral("-0,50"));
}

TEST(FocusLabels, LabelNamedAfterTheField)
{
    QDialog dialog;
    auto* field = new QLineEdit(&dialog);
    field->setObjectName("dbeOkreslenie");
    auto* label = new QLabel("Określenie", &dialog);
    label->setObjectName("lblOkreslenie");
    auto* lonely = new QLineEdit(&dialog);
    lonely->setObjectName("edtBezEtykiety");

    QLabel* marked = MarkFieldLabel(field, &dialog);
    ASSERT_EQ(marked, label);
    EXPECT_TRUE(label->font().underline());
    UnmarkFieldLabel(marked);
    EXPECT_FALSE(label->font().underline());
    EXPECT_EQ(MarkFieldLabel(lonely, &dialog), nullptr);
    UnmarkFieldLabel(nullptr);
}

TEST(FocusLabels, EditPanelMarksTheFocusedFieldsLabel)
{
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* panel = new TV2EditPanel(&dialog);
    layout->addWidget(panel);
    auto* inner = new QVBoxLayout(panel);
    auto* nested = new QWidget(panel);
    inner->addWidget(nested);
    auto* nestedLayout = new QVBoxLayout(nested);
    auto* nameLabel = new QLabel("Nazwa", nested);
    auto* name = new QLineEdit(nested);
    nameLabel->setBuddy(name);
    nestedLayout->addWidget(nameLabel);
    nestedLayout->addWidget(name);
    auto* valueLabel = new QLabel("Wartość", panel);
    valueLabel->setFont(QFont(valueLabel->font().family(), 11));
    auto* value = new QLineEdit(panel);
    valueLabel->setBuddy(value);
    inner->addWidget(valueLabel);
    inner->addWidget(value);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    const QFont own = valueLabel->font();

    value->setFocus();
    EXPECT_EQ(panel->markedLabel(), valueLabel);
    EXPECT_TRUE(valueLabel->font().underline());
    name->setFocus();
    EXPECT_EQ(panel->markedLabel(), nameLabel);
    EXPECT_TRUE(nameLabel->font().underline());
    EXPECT_EQ(valueLabel->font(), own);
}

TEST(ProgressBox, StepsStopAtMaxAndHideReleasesTheWindow)
{
    TProgressBox box;
    box.Caption = "Przeliczanie planów";
    box.Info = "Środek 1";
    box.Max = 2;
    box.show();
    ASSERT_NE(box.window(), nullptr);
    EXPECT_EQ(box.window()->windowTitle(), QStringLiteral("Przeliczanie planów"));
    box.step();
    box.step();
    box.step();
    EXPECT_EQ(box.Done, 2);
    EXPECT_EQ(box.window()->pbrPostep->value(), 2);
    box.hide();
    EXPECT_EQ(box.window(), nullptr);
}

} // namespace
