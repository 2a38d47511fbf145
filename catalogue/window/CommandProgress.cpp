#include "CommandProgress.h"
#include "Form1.h"
#include "Twips.h"

#include <QProgressBar>

#include <algorithm>
#include <climits>

namespace catalogue {

namespace {
constexpr qint64 kNoticeableMilliseconds = 400;
} // namespace

CommandProgress::CommandProgress(Form1& form, qint64 total, const QString& format)
    : form_(form), total_(total), format_(format)
{
    age_.start();
}

CommandProgress::~CommandProgress()
{
    hide();
}

void CommandProgress::step(qint64 done)
{
    if (!bar_) {
        if (age_.elapsed() < kNoticeableMilliseconds)
            return;
        // Over the summary panel, whose figures the command changes anyway.
        bar_ = new QProgressBar(form_.frameLines());
        bar_->setObjectName(QStringLiteral("progreso"));
        bar_->setGeometry(twipsRect(120, 2760, 7560, 495));
        bar_->setRange(0, int(std::min<qint64>(total_, INT_MAX)));
        bar_->setFormat(format_);
        bar_->show();
    }
    bar_->setValue(int(std::min<qint64>(done, INT_MAX)));
}

void CommandProgress::hide()
{
    delete bar_;
    bar_ = nullptr;
}

} // namespace catalogue
