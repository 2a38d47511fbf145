#include "NavigationBar.h"
#include "AccessibleRole.h"
#include "RecordSet.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QToolButton>

namespace catalogue {

NavigationBar::NavigationBar(RecordSet& records, QWidget* parent) : QWidget(parent), records_(records)
{
    // Screen readers present the bar as a tool bar, named by its caption.
    presentAs<NavigationBar, QAccessible::ToolBar>();
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
    first_ = makeButton("Data1First", u"|◀", u"Primera película", kFirstKey, Step::First);
    previous_ = makeButton("Data1Previous", u"◀", u"Película anterior", kPreviousKey, Step::Previous);
    caption_ = new QLabel(QStringLiteral("Tu Colección De Pelis"), this);
    caption_->setObjectName(QStringLiteral("Data1Caption"));
    caption_->setIndent(5);
    setAccessibleName(caption_->text());
    next_ = makeButton("Data1Next", u"▶", u"Película siguiente", kNextKey, Step::Next);
    last_ = makeButton("Data1Last", u"▶|", u"Última película", kLastKey, Step::Last);
    layout->addWidget(first_);
    layout->addWidget(previous_);
    layout->addWidget(caption_, 1);
    layout->addWidget(next_);
    layout->addWidget(last_);
    updateEnds();
}

QToolButton* NavigationBar::makeButton(const char* objectName, const char16_t* glyph, const char16_t* name,
                                       QKeyCombination key, Step step)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(objectName));
    button->setText(QString::fromUtf16(glyph));
    // The glyph is what the eye reads; screen readers get the move's name,
    // and the tooltip (their description) names its key.
    const QKeySequence keys(key);
    button->setAccessibleName(QString::fromUtf16(name));
    button->setToolTip(
        QStringLiteral("%1 (%2)").arg(button->accessibleName(), keys.toString(QKeySequence::NativeText)));
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedWidth(20);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    connect(button, &QToolButton::clicked, this, [this, step] { emit moveRequested(step); });
    // A greyed button ignores click(): the key is as unavailable as the button.
    new QShortcut(keys, this, button, &QToolButton::click, Qt::WindowShortcut);
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
