// The proxy settings dialog ("代理服务器设置"): host, port, SOCKS or HTTP, the user and password
// of a proxy that asks for them, and the switch that turns the proxy on.  The login dialog
// fills it (Load) and reads it back on OK (Fields).
#pragma once

#include <QDialog>

#include "online/OnlineWindows.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TProxyForm : public QDialog {
public:
    explicit TProxyForm(QWidget* parent = nullptr);

    // Fills the controls as the login dialog does: host and port always; user and password
    // only for a proxy in use that needs them; every control disabled while the proxy is off.
    void Load(const ProxyFormFields& fields);
    // The controls' values; each text at most 49 bytes (GBK), cut at a character boundary.
    ProxyFormFields Fields() const;

    // The switch enables every control (user and password only with the authentication box),
    // or disables them all.
    void UseProxyClick();
    // The authentication box enables the user and password, or disables them.
    void CheckBox1Click();
    // A character typed in the port: true when it is kept (digits and Backspace).
    static bool PortKeyPress(QChar c);

    QLineEdit* ProxyName;
    QLineEdit* Port;
    QLineEdit* User;
    QLineEdit* PassWord;
    QRadioButton* RadioButton1;  // SOCKS
    QRadioButton* RadioButton2;  // HTTP
    QCheckBox* CheckBox1;        // the proxy needs a user and password
    QPushButton* BitBtn1;        // OK
    QPushButton* BitBtn2;        // Cancel
    QCheckBox* UseProxy;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
