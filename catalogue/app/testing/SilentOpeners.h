#pragma once
// Openers for a window whose finished reports and links nobody looks at:
// nothing is opened and nothing is kept.
#include "LinkOpener.h"
#include "ReportViewer.h"

namespace catalogue::testing {

class NoReportViewer final : public ReportOpener {
public:
    void openReport(const QString&) override {}
};

class NoLinkOpener final : public LinkOpener {
public:
    void openLink(const QString&, QWidget*) override {}
};

} // namespace catalogue::testing
