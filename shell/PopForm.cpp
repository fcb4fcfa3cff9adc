#include "shell/PopForm.h"

#include <QTextBrowser>

#include "platform/Desktop.h"
#include "shell/QtText.h"
#include "shell/WebPane.h"

TPopForm::TPopForm() : QWidget(nullptr, Qt::Window) {
    setWindowTitle(FromGbk("澄枫广告"));
    resize(652, 480);
    CppWebBrowser1 = NewWebPane(this, 0, 0, width(), height());
}

void TPopForm::ShowPage(const std::string& gbkAddress) {
    if (platform::IsWebAddress(gbkAddress)) {
        platform::OpenUrl(gbkAddress);
        return;
    }
    if (NavigatePane(*CppWebBrowser1, gbkAddress)) FinishPage(*CppWebBrowser1, true);
    show();
}

void TPopForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    CppWebBrowser1->setGeometry(rect());
}
