#include "NavigationBar.h"
#include "RecordSet.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace catalogue {

NavigationBar::NavigationBar(RecordSet& records, QWidget* parent) : QWidget(parent), records_(records)
{
    setObjectName(QStringLiteral("Data1"));
    setToolTip(QStringLiteral("Navegador De Pelis"));
    setAutoFillBackground(true);
    setStyleSheet(
        QStringLiteral("catalogue--NavigationBar { background: black; border: 1px solid #808080; }"
                       "QLabel { color: white; background: black; }"
                       "QToolButton { color: black; background: #c0c0c0; border: 1px solid #808080; padding: 0px; }"
                       "QToolButton:disabled { color: #808080; }"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    first_ =
        makeButton(QStringLiteral("Data1First"), QStringLiteral("|◀"), QStringLiteral("Primera película"), Step::First);
    previous_ = makeButton(QStringLiteral("Data1Previous"), QStringLiteral("◀"), QStringLiteral("Película anterior"),
                           Step::Previous);
    caption_ = new QLabel(QStringLiteral("  Tu Colección De Pelis"), this);
    caption_->setObjectName(QStringLiteral("Data1Caption"));
    next_ =
        makeButton(QStringLiteral("Data1Next"), QStringLiteral("▶"), QStringLiteral("Película siguiente"), Step::Next);
    last_ =
        makeButton(QStringLiteral("Data1Last"), QStringLiteral("▶|"), QStringLiteral("Última película"), Step::Last);
    layout->addWidget(first_);
    layout->addWidget(previous_);
    layout->addWidget(caption_, 1);
    layout->addWidget(next_);
    layout->addWidget(last_);
    updateEnds();
}

QToolButton* NavigationBar::makeButton(const QString& name, const QString& glyph, const QString& tip, Step step)
{
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(glyph);
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedWidth(20);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    connect(button, &QToolButton::clicked, this, [this, step] { emit moveRequested(step); });
    return button;
}

void NavigationBar::move(RecordSet& records, Step step)
{
    switch (step) {
    case Step::First: return records.MoveFirst();
    case Step::Previous: return records.MovePrevious();
    case Step::Next: return records.MoveNext();
    case Step::Last: return records.MoveLast();
    }
}

void NavigationBar::setAvailable(bool available)
{
    available_ = available;
    updateEnds();
}

void NavigationBar::updateEnds()
{
    const bool rows = available_ && records_.RecordCount() > 0;
    const bool atStart = records_.isOnFirstRow();
    const bool atEnd = records_.isOnLastRow();
    first_->setEnabled(rows && !atStart);
    previous_->setEnabled(rows && !atStart);
    next_->setEnabled(rows && !atEnd);
    last_->setEnabled(rows && !atEnd);
    caption_->setEnabled(available_);
}

} // namespace catalogue
