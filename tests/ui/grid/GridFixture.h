#pragma once

#include "store/BitSelect.h"
#include "support/ScriptedMessages.h"
#include "ui/grid/RowListModel.h"
#include "ui/grid/TDBGridSel.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace vorn::test {

inline Row AssetRow(int id, const QString& name, double value)
{
    return Row(QVariantMap{{QStringLiteral("ID"), id},
                           {QStringLiteral("NAZWA"), name},
                           {QStringLiteral("WART_ZAKT"), value}});
}

// A window with an asset grid over four rows, marking into a selection set.
class GridFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        model = std::make_unique<RowListModel>(QList<RowListModel::Column>{
            {"ID", "Id"}, {"NAZWA", "Nazwa"}, {"WART_ZAKT", QStringLiteral("Wartość")}});
        model->setRows({AssetRow(4, QStringLiteral("Stacja komputerowa"), 5400.0),
                        AssetRow(7, QStringLiteral("Komputer"), 12345.67),
                        AssetRow(2, QStringLiteral("Biurko"), 800.0),
                        AssetRow(9, QStringLiteral("Żuraw"), 250000.0)});
        window = std::make_unique<QWidget>();
        window->resize(600, 300);
        grid = new TDBGridSel(window.get());
        grid->setObjectName(QStringLiteral("grdSrodki"));
        grid->resize(600, 300);
        grid->setModel(model.get());
        grid->setMessages(&messages);
        grid->setMoneyFields({QStringLiteral("WART_ZAKT")});
        grid->selecting().Active = true;
        grid->selecting().BitSelect = &marks;
        window->show();
        QApplication::setActiveWindow(window.get());
        grid->setFocus();
        grid->setCurrentIndex(model->index(0, 1));
    }

    QStringList names() const
    {
        QStringList result;
        for (int r = 0; r < model->rowCount(); ++r)
            result.append(model->index(r, 1).data().toString());
        return result;
    }

    std::unique_ptr<RowListModel> model;
    std::unique_ptr<QWidget> window;
    TDBGridSel* grid = nullptr;
    TBitSelect marks;
    ScriptedMessages messages;
};

} // namespace vorn::test
