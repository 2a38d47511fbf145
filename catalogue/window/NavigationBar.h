#pragma once
// The data control's navigation bar: first, previous, caption, next, last.
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
    QToolButton* makeButton(const QString& name, const QString& glyph, const QString& tip, Step step);

    RecordSet& records_;
    QToolButton* first_;
    QToolButton* previous_;
    QLabel* caption_;
    QToolButton* next_;
    QToolButton* last_;
    bool available_ = true;
};

} // namespace catalogue
