#pragma once

#include "common/QueryConventions.h"
#include "connection/ConnectionSecurity.h"

#include <QWidget>

#include <functional>
#include <optional>

class FramedPanel;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The page "Подключение": the server's address and the MySQL account, the
// connection log, and the four database combos that tell every other page
// which database plays which role.
class ConnectionPage : public QWidget {
    Q_OBJECT

public:
    ConnectionPage(QueryContext& context, QWidget* parent = nullptr);

    QLineEdit* hostEdit() const { return m_host; }
    QLineEdit* portEdit() const { return m_port; }
    QLineEdit* userEdit() const { return m_user; }
    QLineEdit* passwordEdit() const { return m_password; }
    QCheckBox* autoLoginBox() const { return m_autoLogin; }
    QCheckBox* rememberBox() const { return m_remember; }
    QComboBox* databaseCombo(Database database) const;
    QPlainTextEdit* log() const { return m_log; }

    // The text of a database combo as it stands now.
    QString databaseName(Database database) const;

    // "Подключиться": configures the session from the edits, logs in, writes
    // the outcome into the log and lists the server's databases in the four
    // combos. A port that is not a whole number throws ConversionError. An
    // open session is kept when it was opened with the same server, user,
    // password and encryption settings, and closed first otherwise.
    void connectToServer();

    // What happens before each connect: Cancel stops it, Reconnect closes an
    // open session first whatever it was opened with.
    enum class ConnectStep { Cancel, Connect, Reconnect };
    void setBeforeConnect(std::function<ConnectStep()> hook);

    // Where the encryption and login settings come from at the moment of
    // connecting (the settings panel); without a source the defaults hold.
    void setSecuritySource(std::function<security::ConnectionSettings()> source);

    // The page logs in uncompressed. The window's tests switch compression
    // on for a whole run, so that every page's statements travel compressed.
    static void setCompressedConnections(bool on);

    // Adds a line to the connection log.
    void appendLog(const QString& line);

signals:
    // After each connect that went ahead: whether the session is logged in,
    // and whether it logged in anew (rather than keeping the open session).
    void connectFinished(bool connected, bool newSession);

private:
    // What an open session was logged in with.
    struct LoginTarget {
        QString host;
        int port = 0;
        QString user;
        QString password;
        security::ConnectionSettings security;
        bool operator==(const LoginTarget&) const = default;
    };
    // Logs in with the target and writes the outcome into the log.
    bool logIn(const LoginTarget& target, const security::ConnectionOptions& options);
    void fillDatabaseCombos();
    // The schemas of the databases assigned now, read where not yet read
    // under their names.
    void readAssignedSchemas();

    QueryContext& m_context;
    std::function<security::ConnectionSettings()> m_security;
    std::function<ConnectStep()> m_beforeConnect;
    std::optional<LoginTarget> m_loggedInWith;
    FramedPanel* m_serverPanel;
    FramedPanel* m_databasePanel;
    QLineEdit* m_host;
    QLineEdit* m_port;
    QLineEdit* m_user;
    QLineEdit* m_password;
    QCheckBox* m_autoLogin;
    QCheckBox* m_remember;
    QPushButton* m_connect;
    QComboBox* m_databases[4];
    QPushButton* m_check;
    QPlainTextEdit* m_log;
};
