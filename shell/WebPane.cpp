#include "shell/WebPane.h"

#include <QTextBrowser>

#include <optional>

#include "platform/Desktop.h"
#include "platform/Path.h"
#include "platform/WholeFile.h"
#include "shell/QtText.h"

namespace {

// Pages are small; a larger file is not one of ours.
constexpr std::size_t kMaxPageBytes = 1u << 20;

QString ErrorPage() { return FromGbk("<p>无法显示网页。</p>"); }

}  // namespace

QTextBrowser* NewWebPane(QWidget* parent, int x, int y, int w, int h) {
    auto* pane = new QTextBrowser(parent);
    pane->setGeometry(x, y, w, h);
    pane->setOpenLinks(false);
    return pane;
}

bool NavigatePane(QTextBrowser& pane, const std::string& gbkAddress) {
    if (platform::IsWebAddress(gbkAddress)) return false;
    const std::optional<std::string> page =
        platform::ReadWholeFile(platform::ToDiskPath(gbkAddress), kMaxPageBytes);
    if (!page) {
        pane.setHtml(ErrorPage());
        return false;
    }
    pane.setHtml(FromGbk(*page));
    return true;
}

void FinishPage(QTextBrowser& pane, bool noBorder) {
    pane.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pane.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (noBorder) pane.setFrameShape(QFrame::NoFrame);
}
