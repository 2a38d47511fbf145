#pragma once
// The window's background: black, with the yellow frame lines and the orange
// line that sweeps down the command column.
#include <QColor>
#include <QLine>
#include <QWidget>

#include <vector>

namespace catalogue {

struct FrameLine {
    QString name;
    QLine twips; // end points in twips
    QColor colour;
};

class FrameLines : public QWidget {
    Q_OBJECT
public:
    explicit FrameLines(QWidget* parent);

    const std::vector<FrameLine>& lines() const { return lines_; }
    const FrameLine& line(const QString& name) const;
    // Moves both ends of a line to the height y (twips).
    void setLineY(const QString& name, int y);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::vector<FrameLine> lines_;
};

} // namespace catalogue
