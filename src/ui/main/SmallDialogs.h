#pragma once

#include <QDialog>

class QCheckBox;

namespace vorn {

// "O PROGRAMIE ...": what the module does and "wersja " with the full version.
class TfrmOProgramie : public QDialog
{
    Q_OBJECT
public:
    TfrmOProgramie(const QString& fullVersion, QWidget* parent = nullptr);
};

// "OPCJE UŻYTKOWNIKA": the colour marks of the asset browser.
class TfrmOpcje : public QDialog
{
    Q_OBJECT
public:
    TfrmOpcje(bool colourMarks, QWidget* parent = nullptr);
    bool colourMarks() const;
    QCheckBox* checkBox() const { return cbxKolory; }

private:
    QCheckBox* cbxKolory;
};

// "Kalendarz": a month calendar on today's date.
class TfrmKalendarz : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmKalendarz(QWidget* parent = nullptr);
};

} // namespace vorn
