#pragma once
// For tests: the real main window over a temporary catalogue, its browse
// commands reached the way the user reaches them.
#include "WindowFixture.h"
#include "RecordSources.h"

#include <QTest>
#include <QToolButton>

namespace catalogue::testing {

struct BrowseWindow : WindowFixture {
    explicit BrowseWindow(const std::vector<MovieRecord>& films = {}) : WindowFixture(films) { form.show(); }

    // Chooses an item of "Opciones"; a disabled item does nothing, as for the user.
    void choose(const char* name) { item(name)->trigger(); }
    void click(QPushButton* command) { QTest::mouseClick(command, Qt::LeftButton); }
    void clickNext() { QTest::mouseClick(form.navigationBar()->nextButton(), Qt::LeftButton); }
    void clickLast() { QTest::mouseClick(form.navigationBar()->lastButton(), Qt::LeftButton); }

    // Searches with the answer typed into the prompt and confirmed.
    void search(const char* item, const QString& answer)
    {
        dialogs.answerNext(answer);
        choose(item);
    }

    QString number() const { return text(Field::Idzefo); }
    QString recordSource() const { return form.Data1().RecordSource(); }
};

inline const QString kByNumber = recordSources::kByNumber.toString();
inline const QString kNoMore = QStringLiteral("No Hay Más Películas De Este Director...");
inline const QString kNotFound = QStringLiteral("No Se Ha Encontrado Na De Na.... :(");

} // namespace catalogue::testing
