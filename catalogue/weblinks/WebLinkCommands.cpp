#include "WebLinkCommands.h"

#include "ContactLinks.h"
#include "Form1.h"
#include "LinkOpener.h"
#include "WebSearch.h"

#include <QAction>

namespace catalogue {

WebLinkCommands::WebLinkCommands(Form1& form1, LinkOpener& links)
    : QObject(&form1), m_form1(form1), m_links(links), m_aboutWindow(links)
{
    connect(form1.box(Field::Titulo), &BoundBox::doubleClicked, this, &WebLinkCommands::b_DblClick);
    connect(form1.box(Field::Director), &BoundBox::doubleClicked, this, &WebLinkCommands::e_DblClick);
    connect(form1.Image1(), &ClickableLabel::clicked, this, &WebLinkCommands::Image1_Click);
    connect(form1.menuItem(QStringLiteral("acerquita")), &QAction::triggered, this,
            &WebLinkCommands::acerquita_Click);
}

WebLinkCommands::~WebLinkCommands()
{
    delete m_aboutWindow.window();
}

void WebLinkCommands::b_DblClick()
{
    m_links.openLink(titleSearchUrl(m_form1.box(Field::Titulo)->text()), &m_form1);
}

void WebLinkCommands::e_DblClick()
{
    m_links.openLink(directorSearchUrl(m_form1.box(Field::Director)->text()), &m_form1);
}

void WebLinkCommands::Image1_Click()
{
    m_links.openLink(kContactMailLink.toString(), &m_form1);
}

void WebLinkCommands::acerquita_Click()
{
    m_aboutWindow.show();
}

WebLinkCommands& attachWebLinks(Form1& form1, LinkOpener& links)
{
    return *new WebLinkCommands(form1, links);
}

} // namespace catalogue
