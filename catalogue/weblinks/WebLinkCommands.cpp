#include "WebLinkCommands.h"

#include "ContactLinks.h"
#include "Form1.h"
#include "LinkOpener.h"
#include "WebSearch.h"

#include <QAction>

namespace catalogue {

WebLinkCommands::WebLinkCommands(Form1& form1, LinkOpener& links)
    : QObject(&form1), form1_(form1), links_(links), aboutWindow_(links)
{
    connect(form1.box(Field::Titulo), &BoundBox::doubleClicked, this, &WebLinkCommands::b_DblClick);
    connect(form1.box(Field::Director), &BoundBox::doubleClicked, this, &WebLinkCommands::e_DblClick);
    connect(form1.Image1(), &ClickableLabel::clicked, this, &WebLinkCommands::Image1_Click);
    connect(form1.acerquita(), &QAction::triggered, this, &WebLinkCommands::acerquita_Click);
}

WebLinkCommands::~WebLinkCommands()
{
    delete aboutWindow_.window();
}

void WebLinkCommands::b_DblClick()
{
    links_.openLink(titleSearchUrl(form1_.box(Field::Titulo)->text()), &form1_);
}

void WebLinkCommands::e_DblClick()
{
    links_.openLink(directorSearchUrl(form1_.box(Field::Director)->text()), &form1_);
}

void WebLinkCommands::Image1_Click()
{
    links_.openLink(kContactMailLink.toString(), &form1_);
}

void WebLinkCommands::acerquita_Click()
{
    aboutWindow_.show();
}

WebLinkCommands& attachWebLinks(Form1& form1, LinkOpener& links)
{
    return *new WebLinkCommands(form1, links);
}

} // namespace catalogue
