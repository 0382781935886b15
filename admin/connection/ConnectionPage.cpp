#include "connection/ConnectionPage.h"

#include "DialogService.h"
#include "FramedPanel.h"
#include "PlacedControls.h"
#include "connection/ConnectionSecurity.h"
#include "schema/Schemas.h"
#include "uMysqlClient.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QColor kNavy(0, 0, 128);
const QColor kGreen(0, 128, 0);

std::string toUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

bool compressedConnections = false;

} // namespace

ConnectionPage::ConnectionPage(QueryContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context) {
    setObjectName(QStringLiteral("TabSheet1"));

    m_serverPanel = new FramedPanel(this, kNavy);
    m_serverPanel->setObjectName(QStringLiteral("dxContainer1"));
    m_serverPanel->setGeometry(8, 16, 353, 137);
    setBold(placeLabel(m_serverPanel, QStringLiteral("Параметры сервера"), 8, 2, 200));
    setBold(placeLabel(m_serverPanel, QStringLiteral("Параметры пользователя"), 8, 44, 200));
    placeLabel(m_serverPanel, QStringLiteral("Host"), 8, 22, 40);
    m_host = placeEdit(m_serverPanel, "dxDNEdit1", 48, 20, 170, QStringLiteral("127.0.0.1"));
    placeLabel(m_serverPanel, QStringLiteral("Port"), 228, 22, 30);
    m_port = placeEdit(m_serverPanel, "dxDNEdit2", 262, 20, 80, QStringLiteral("3306"));
    placeLabel(m_serverPanel, QStringLiteral("User name"), 8, 64, 70);
    m_user = placeEdit(m_serverPanel, "dxDNEdit3", 80, 62, 138);
    placeLabel(m_serverPanel, QStringLiteral("Password"), 8, 88, 70);
    m_password = placeEdit(m_serverPanel, "dxDNEdit4", 80, 86, 138);
    m_password->setEchoMode(QLineEdit::Password);

    m_connect = placeButton(m_serverPanel, "dxButton1", QStringLiteral("Подключиться"), 228, 72,
                            114, 26);
    m_autoLogin = placeCheckBox(m_serverPanel, "dxCheckbox1", QStringLiteral("Автоподключение"), 8,
                                113, 140, 18);
    m_remember = placeCheckBox(m_serverPanel, "dxCheckbox2",
                               QStringLiteral("Запомнить все параметры"), 150, 113, 196, 18);

    m_databasePanel = new FramedPanel(this, kGreen);
    m_databasePanel->setObjectName(QStringLiteral("dxContainer2"));
    m_databasePanel->setGeometry(8, 160, 353, 121);
    const struct {
        const char* name;
        const char* label;
        int x;
        int y;
    } combos[] = {
            {"ComboBox1", "База realmd", 8, 6},
            {"ComboBox2", "База mangos", 180, 6},
            {"ComboBox3", "База characters", 8, 50},
            {"ComboBox4", "База scriptdev2", 180, 50},
    };
    for (int i = 0; i < 4; ++i) {
        placeLabel(m_databasePanel, QString::fromUtf8(combos[i].label), combos[i].x, combos[i].y,
                   160);
        // Filled with the server's databases once connected.
        m_databases[i] =
                placeCombo(m_databasePanel, combos[i].name, {}, combos[i].x, combos[i].y + 18, 164);
    }
    m_check =
            placeButton(m_databasePanel, "dxButton3", QStringLiteral("Проверить"), 262, 92, 82, 22);
    m_check->setEnabled(false);

    m_log = new QPlainTextEdit(this);
    m_log->setObjectName(QStringLiteral("dxDNMemo1"));
    m_log->setGeometry(8, 288, 353, 193);
    m_log->setReadOnly(true);
    m_log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    connect(m_connect, &QPushButton::clicked, this,
            [this] { m_context.guarded([this] { connectToServer(); }); });
    // A database assigned anew is read for its schema at once.
    for (QComboBox* combo : m_databases) {
        const auto assigned = [this] {
            m_context.guarded([this] { readAssignedSchemas(); });
        };
        connect(combo, &QComboBox::activated, this, assigned);
        if (combo->lineEdit())
            connect(combo->lineEdit(), &QLineEdit::editingFinished, this, assigned);
    }
}

QComboBox* ConnectionPage::databaseCombo(Database database) const {
    return m_databases[static_cast<int>(database)];
}

QString ConnectionPage::databaseName(Database database) const {
    return databaseCombo(database)->currentText();
}

void ConnectionPage::setSecuritySource(std::function<security::ConnectionSettings()> source) {
    m_security = std::move(source);
}

void ConnectionPage::setCompressedConnections(bool on) {
    compressedConnections = on;
}

void ConnectionPage::appendLog(const QString& line) {
    m_log->appendPlainText(line);
}

void ConnectionPage::setBeforeConnect(std::function<ConnectStep()> hook) {
    m_beforeConnect = std::move(hook);
}

void ConnectionPage::connectToServer() {
    const security::ConnectionSettings settings =
            m_security ? m_security() : security::ConnectionSettings();
    const security::ConnectionOptions options = security::connectionOptions(settings);
    if (!options.refusal.isEmpty()) {
        appendLog(QStringLiteral("Подключиние НЕВОЗМОЖНО!!!"));
        appendLog(options.refusal);
        m_context.dialogs().error(QStringLiteral("Подключение"), options.refusal);
        return;
    }
    const int port = toInteger(m_port->text());
    // The hook may fill the password edit.
    const ConnectStep step = m_beforeConnect ? m_beforeConnect() : ConnectStep::Connect;
    if (step == ConnectStep::Cancel)
        return;
    const LoginTarget target{m_host->text(), port, m_user->text(), m_password->text(), settings};
    mysql::TMysqlClient& session = m_context.session();
    if (session.Connected() && (step == ConnectStep::Reconnect || m_loggedInWith != target)) {
        m_context.releaseResult();
        session.Close();
    }
    const bool newSession = !session.Connected();
    for (const QString& note : options.notes)
        appendLog(note);
    const bool connected = logIn(target, options);
    m_loggedInWith = connected ? std::optional(target) : std::nullopt;

    m_context.schemas().forget();
    if (m_context.run(QStringLiteral("show databases;"))) {
        fillDatabaseCombos();
        readAssignedSchemas();
    }
    emit connectFinished(connected, newSession);
}

bool ConnectionPage::logIn(const LoginTarget& target, const security::ConnectionOptions& options) {
    mysql::TMysqlClient& session = m_context.session();
    session.SetHost(toUtf8(target.host));
    session.SetPort(target.port);
    session.SetUser(toUtf8(target.user));
    session.SetPassword(toUtf8(target.password));
    session.SetPipeName(std::string());
    session.SetDatabase(std::string());
    session.SetUseNamedPipe(false);
    session.ClearSpareOption();
    session.SetCompress(compressedConnections);
    session.SetPipeFallback(false);
    session.SetTlsOptions(options.tls);
    session.SetAuthOptions(options.auth);

    if (session.Connect()) {
        appendLog(QStringLiteral("Подключиние к ") + QString::fromStdString(session.Host()) +
                  QStringLiteral(" выполнено!"));
        appendLog(QStringLiteral("Пользователь : ") + QString::fromStdString(session.User()) +
                  QLatin1Char('.'));
        appendLog(security::encryptionLogLine(session.Encrypted(),
                                              QString::fromStdString(session.TlsVersion()),
                                              QString::fromStdString(session.TlsCipher())));
        return true;
    }
    appendLog(QStringLiteral("Подключиние НЕВОЗМОЖНО!!!"));
    const QString reason = security::failureLogLine(
            session.TlsFailure(), QString::fromStdString(session.ErrorText()),
            QString::fromStdString(session.Host()),
            QString::fromStdString(session.TlsOptions().CaFile));
    if (!reason.isEmpty())
        appendLog(reason);
    const QString refusal = security::refusalLogLine(session.AuthRefusal(),
                                                     QString::fromStdString(session.ErrorText()));
    if (!refusal.isEmpty())
        appendLog(refusal);
    m_autoLogin->setChecked(false);
    m_remember->setChecked(false);
    return false;
}

void ConnectionPage::readAssignedSchemas() {
    for (const schema::Role role :
         {schema::Role::Login, schema::Role::Characters, schema::Role::World})
        m_context.schemas().assigned(role);
}

void ConnectionPage::fillDatabaseCombos() {
    const int count = m_context.rowCount();
    QStringList names;
    names.reserve(count);
    for (int row = 0; row < count; ++row)
        names << m_context.value(row, 0);
    // Refilling a list keeps the text that stands in the combo; nothing is
    // selected.
    for (QComboBox* combo : m_databases) {
        const QString text = combo->currentText();
        const QSignalBlocker blocker(combo);
        combo->clear();
        combo->addItems(names);
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
    }
    if (count >= 1)
        appendLog(QStringLiteral("Найдено баз данных: ") + QString::number(count));
}
