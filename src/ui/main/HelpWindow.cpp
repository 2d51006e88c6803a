#include "ui/main/HelpWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace vorn {

const QList<HelpTopic>& HelpTopics()
{
    static const QList<HelpTopic> topics{
        {QStringLiteral("Praca z programem"), QStringLiteral("start okno firma rok pasek"),
         QStringLiteral(
             "<h2>Praca z programem</h2><p>Po zalogowaniu program otwiera wybraną "
             "firmę i rok obrachunkowy. Nazwa firmy i rok są widoczne na paskach u góry "
             "okna; dwukrotne kliknięcie na pasku firmy lub roku pozwala je zmienić. "
             "Wszystkie kartoteki i zestawienia otwierają się wewnątrz okna głównego.</p>"
             "<p>Paski można przesuwać myszą; prawy przycisk myszy pozwala ukryć lub "
             "pokazać każdy z nich. Układ pasków jest zapamiętywany dla użytkownika.</p>")},
        {QStringLiteral("Wydarzenia"),
         QStringLiteral("przyjęcie plan umorzenie likwidacja sprzedaż"),
         QStringLiteral("<h2>Wydarzenia</h2><p>Operacje na środkach trwałych (przyjęcie, plan "
                        "amortyzacji, umorzenie miesięczne, aktualizacja i zmiana wartości, odpis "
                        "aktualizujący, likwidacja, sprzedaż, zmiana miejsca użytkowania) są "
                        "dostępne, gdy wybrano rok obrachunkowy, a aktywnym oknem jest kartoteka "
                        "środków trwałych z co najmniej jednym środkiem. Operacja dotyczy "
                        "zaznaczonych środków, a gdy żaden nie jest zaznaczony &ndash; środka "
                        "wskazanego kursorem.</p>")},
        {QStringLiteral("Kartoteki"), QStringLiteral("środki KŚT tabele polecenia wzorce"),
         QStringLiteral("<h2>Kartoteki</h2><p>Kartoteka środków trwałych, klasyfikacja KŚT, "
                        "tabele aktualizacji, wydarzenia, polecenia księgowania i wzorce "
                        "księgowań. Ponowne wybranie otwartej kartoteki przywołuje jej okno.</p>")},
        {QStringLiteral("Zestawienia"), QStringLiteral("wydruk raport karta ewidencja dokument"),
         QStringLiteral("<h2>Zestawienia</h2><p>Karty środków, plany amortyzacji, ewidencje, "
                        "zestawienia zmian i dokumenty. Menu jest dostępne dla użytkowników z "
                        "uprawnieniem do zestawień.</p>")},
        {QStringLiteral("Użytkownik"),
         QStringLiteral("zmiana firmy roku kalkulator notes drukarka"),
         QStringLiteral("<h2>Użytkownik</h2><p>Zmiana firmy i roku (po zamknięciu wszystkich "
                        "okien), kalkulator, kalendarz, notes, ustawienia drukarki oraz "
                        "&bdquo;Wejdź jako&rdquo; &ndash; praca jako inny użytkownik bez "
                        "ponownego uruchamiania programu.</p><p>Kalkulator i notes to programy "
                        "systemu; można je wskazać w zmiennych środowiskowych VORN_CALCULATOR i "
                        "VORN_EDITOR.</p>")},
        {QStringLiteral("Administrator"),
         QStringLiteral("firmy użytkownicy archiwizacja kontrola naprawa"),
         QStringLiteral("<h2>Administrator</h2><p>Konfiguracja firm i użytkowników, archiwizacja, "
                        "eksport i naprawa baz danych odbywają się w programie Vorn 2000 - "
                        "Administrator; program przed jego uruchomieniem kończy pracę.</p><p>"
                        "Kontrola poprawności sprawdza klucze główne, plany amortyzacji, kwoty "
                        "odpisów i wartości umorzenia; raport z kontroli można wydrukować lub "
                        "zapisać w pliku RTF.</p>")},
        {QStringLiteral("Klawisze"), QStringLiteral("skróty klawiatura F1 Shift"),
         QStringLiteral("<h2>Klawisze</h2><p>F1 &ndash; pomoc; Shift+F5 &ndash; okna kaskadowo; "
                        "Shift+F4 &ndash; okna sąsiadująco. W oknach dialogowych Enter przechodzi "
                        "do następnego pola, Ctrl+Enter zatwierdza, Esc anuluje.</p>")}};
    return topics;
}

TfrmPomoc::TfrmPomoc(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPomoc"));
    setWindowTitle(QStringLiteral("Pomoc - Ewidencja i Amortyzacja Środków Trwałych"));
    m_search = new QLineEdit;
    m_search->setPlaceholderText(QStringLiteral("Szukaj ..."));
    m_list = new QListWidget;
    m_page = new QTextBrowser;
    for (const HelpTopic& topic : HelpTopics())
        m_list->addItem(topic.title);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            m_page->setHtml(HelpTopics().at(row).html);
    });
    connect(m_search, &QLineEdit::textChanged, this, &TfrmPomoc::search);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Spis treści")));
    left->addWidget(m_search);
    left->addWidget(m_list);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(m_page, 3);
    m_list->setCurrentRow(0);
    resize(760, 480);
}

void TfrmPomoc::focusSearch()
{
    m_search->setFocus();
}

void TfrmPomoc::search(const QString& words)
{
    const QStringList wanted = words.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int first = -1;
    for (int i = 0; i < HelpTopics().size(); ++i) {
        const HelpTopic& topic = HelpTopics().at(i);
        const QString haystack = topic.title + QLatin1Char(' ') + topic.keywords;
        bool match = true;
        for (const QString& w : wanted)
            match = match && haystack.contains(w, Qt::CaseInsensitive);
        m_list->item(i)->setHidden(!match);
        if (match && first < 0)
            first = i;
    }
    if (first >= 0)
        m_list->setCurrentRow(first);
}

} // namespace vorn
