#pragma once
// The data control's navigation bar: first, previous, caption, next, last.
// Each move also has a key, which works from anywhere in the window (the
// buttons take no focus, so the tab order stays as it was) and does exactly
// what its button does: nothing while the button is greyed.
#include <QKeyCombination>
#include <QWidget>

class QLabel;
class QToolButton;

namespace catalogue {

class RecordSet;

class NavigationBar : public QWidget {
    Q_OBJECT
public:
    enum class Step { First, Previous, Next, Last };
    // Makes the move of one step on the record set.
    static void move(RecordSet& records, Step step);
    // Page keys, as in other programs that show one record at a time; a
    // one-line box has no use for them, and the "Opciones" shortcuts are
    // Ctrl with a letter or F1.
    static constexpr QKeyCombination kFirstKey = Qt::CTRL | Qt::Key_PageUp;
    static constexpr QKeyCombination kPreviousKey = Qt::Key_PageUp;
    static constexpr QKeyCombination kNextKey = Qt::Key_PageDown;
    static constexpr QKeyCombination kLastKey = Qt::CTRL | Qt::Key_PageDown;

    NavigationBar(RecordSet& records, QWidget* parent);

    // Unavailable while a new film is being added.
    void setAvailable(bool available);
    bool isAvailable() const { return available_; }
    // Greys the ends that lead nowhere from the current row.
    void updateEnds();

    QToolButton* firstButton() const { return first_; }
    QToolButton* previousButton() const { return previous_; }
    QToolButton* nextButton() const { return next_; }
    QToolButton* lastButton() const { return last_; }

signals:
    // A button was pressed; the window runs the move as a command of its own.
    void moveRequested(catalogue::NavigationBar::Step step);

private:
    QToolButton* makeButton(const char* objectName, const char16_t* glyph, const char16_t* name, QKeyCombination key,
                            Step step);

    RecordSet& records_;
    QToolButton* first_;
    QToolButton* previous_;
    QLabel* caption_;
    QToolButton* next_;
    QToolButton* last_;
    bool available_ = true;
};

} // namespace catalogue
