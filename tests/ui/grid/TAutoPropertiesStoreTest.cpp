#include "ui/grid/TAutoPropertiesStore.h"
#include "GridFixture.h"
#include "support/TestEnv.h"

#include <QCheckBox>
#include <QSettings>

using namespace vorn;
using namespace vorn::test;

namespace {

class PropertiesStore : public GridFixture
{
protected:
    void SetUp() override
    {
        GridFixture::SetUp();
        file = FreshDir(QStringLiteral("properties_store")) + QStringLiteral("/Br.ini");
        box = new QCheckBox(window.get());
        box->setObjectName(QStringLiteral("cbxAnalityka"));
    }

    QStringList shown() const
    {
        QStringList fields;
        for (int c : grid->visibleColumns())
            fields.append(grid->fieldOfColumn(c));
        return fields;
    }

    std::unique_ptr<TAutoPropertiesStore> makeStore()
    {
        auto store = std::make_unique<TAutoPropertiesStore>(nullptr, "SRODKITRWALE");
        store->addItem(grid, {"Columns"});
        store->addItem(box, {"Checked"});
        return store;
    }

    QString file;
    QCheckBox* box = nullptr;
};

TEST_F(PropertiesStore, KeysInTheFormNotation)
{
    grid->applyColumnLayout({{"NAZWA", "Nazwa", true, 200},
                             {"ID", "Id", false, 40},
                             {"WART_ZAKT", "Wartość", true, 90}});
    box->setChecked(true);
    auto store = makeStore();
    store->activate(file);
    ASSERT_TRUE(store->save());

    QSettings ini(file, QSettings::IniFormat);
    ini.beginGroup("SRODKITRWALE");
    EXPECT_EQ(ini.value("grdSrodki.Columns<item(0)>.FieldName").toString(), "\"'NAZWA'\"");
    EXPECT_EQ(ini.value("grdSrodki.Columns<item(0)>.Width").toString(), "200");
    EXPECT_EQ(ini.value("grdSrodki.Columns<item(1)>.Visible").toString(), "False");
    EXPECT_EQ(ini.value("grdSrodki.Columns<item(2)>.Title").toString(),
              QStringLiteral("\"'Wartość'\""));
    EXPECT_EQ(ini.value("cbxAnalityka.Checked").toString(), "True");
    EXPECT_EQ(ini.childKeys().size(), 13);
}

TEST_F(PropertiesStore, StoredColumnsReplaceTheGridsAndTheSectionIsRewritten)
{
    {
        QSettings ini(file, QSettings::IniFormat);
        ini.setValue("SRODKITRWALE/grdSrodki.Columns<item(0)>.FieldName", "\"'WART_ZAKT'\"");
        ini.setValue("SRODKITRWALE/grdSrodki.Columns<item(0)>.Title", "\"'Wartość'\"");
        ini.setValue("SRODKITRWALE/grdSrodki.Columns<item(0)>.Visible", "True");
        ini.setValue("SRODKITRWALE/grdSrodki.Columns<item(1)>.FieldName", "\"'NAZWA'\"");
        ini.setValue("SRODKITRWALE/grdSrodki.Columns<item(1)>.Visible", "True");
        ini.setValue("SRODKITRWALE/stary.Klucz", "1");
    }
    box->setChecked(true);
    auto store = makeStore();
    store->activate(file);
    EXPECT_EQ(shown(), QStringList({"WART_ZAKT", "NAZWA"})); // ID was not stored: hidden
    EXPECT_TRUE(box->isChecked());                           // not in the section: keeps its value

    box->setChecked(false);
    window->hide(); // not the store's window: nothing saved
    store.reset();  // saved as it goes with its window
    QSettings ini(file, QSettings::IniFormat);
    EXPECT_FALSE(ini.contains("SRODKITRWALE/stary.Klucz"));
    EXPECT_EQ(ini.value("SRODKITRWALE/cbxAnalityka.Checked").toString(), "False");
    EXPECT_EQ(ini.value("SRODKITRWALE/grdSrodki.Columns<item(2)>.FieldName").toString(),
              "\"'ID'\"");
}

TEST_F(PropertiesStore, LoadedOnShowSavedOnClose)
{
    TAutoPropertiesStore store(window.get(), "SRODKITRWALE");
    store.addItem(box, {"Checked"});
    window->hide();
    {
        QSettings ini(file, QSettings::IniFormat);
        ini.setValue("SRODKITRWALE/cbxAnalityka.Checked", "True");
    }
    store.activateOnShow(file);
    EXPECT_FALSE(box->isChecked());
    window->show();
    EXPECT_TRUE(box->isChecked());
    box->setChecked(false);
    window->close();
    QSettings ini(file, QSettings::IniFormat);
    EXPECT_EQ(ini.value("SRODKITRWALE/cbxAnalityka.Checked").toString(), "False");
}

} // namespace
