#pragma once

#include <QColor>
#include <QWidget>

namespace catalogue {

// A one-pixel rule of one colour, horizontal or vertical by its geometry.
class RuleLine final : public QWidget {
    Q_OBJECT
public:
    RuleLine(const QColor& colour, QWidget* parent);
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

} // namespace catalogue
