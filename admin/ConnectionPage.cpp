#include "ConnectionPage.h"

#include "FramedPanel.h"
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

QLabel* addLabel(QWidget* parent, const QString& text, int x, int y, int width = 90) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, width, 16);
    return label;
}

QLineEdit* addEdit(QWidget* parent, const char* name, const QString& text, int x, int y,
                   int width) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(x, y, width, 21);
    return edit;
}

std::string toUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace

ConnectionPage::ConnectionPage(QueryContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context) {
    setObjectName(QStringLiteral("TabSheet1"));

    m_serverPanel = new FramedPanel(this, kNavy);
    m_serverPanel->setObjectName(QStringLiteral("dxContainer1"));
    m_serverPanel->setGeometry(8, 16, 353, 137);
    auto* serverHeading = addLabel(m_serverPanel, QStringLiteral("Параметры сервера"), 8, 2, 200);
    auto* userHeading =
            addLabel(m_serverPanel, QStringLiteral("Параметры пользователя"), 8, 44, 200);
    for (QLabel* heading : {serverHeading, userHeading}) {
        QFont font = heading->font();
        font.setBold(true);
        heading->setFont(font);
    }
    addLabel(m_serverPanel, QStringLiteral("Host"), 8, 22, 40);
    m_host = addEdit(m_serverPanel, "dxDNEdit1", QStringLiteral("127.0.0.1"), 48, 20, 170);
    addLabel(m_serverPanel, QStringLiteral("Port"), 228, 22, 30);
    m_port = addEdit(m_serverPanel, "dxDNEdit2", QStringLiteral("3306"), 262, 20, 80);
    addLabel(m_serverPanel, QStringLiteral("User name"), 8, 64, 70);
    m_user = addEdit(m_serverPanel, "dxDNEdit3", QString(), 80, 62, 138);
    addLabel(m_serverPanel, QStringLiteral("Password"), 8, 88, 70);
    m_password = addEdit(m_serverPanel, "dxDNEdit4", QString(), 80, 86, 138);
    m_password->setEchoMode(QLineEdit::Password);

    m_connect = new QPushButton(QStringLiteral("Подключиться"), m_serverPanel);
    m_connect->setObjectName(QStringLiteral("dxButton1"));
    m_connect->setGeometry(228, 72, 114, 26);
    m_autoLogin = new QCheckBox(QStringLiteral("Автоподключение"), m_serverPanel);
    m_autoLogin->setObjectName(QStringLiteral("dxCheckbox1"));
    m_autoLogin->setGeometry(8, 113, 140, 18);
    m_remember = new QCheckBox(QStringLiteral("Запомнить все параметры"), m_serverPanel);
    m_remember->setObjectName(QStringLiteral("dxCheckbox2"));
    m_remember->setGeometry(150, 113, 196, 18);

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
        addLabel(m_databasePanel, QString::fromUtf8(combos[i].label), combos[i].x, combos[i].y,
                 160);
        auto* combo = new QComboBox(m_databasePanel);
        combo->setObjectName(QLatin1String(combos[i].name));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setGeometry(combos[i].x, combos[i].y + 18, 164, 22);
        m_databases[i] = combo;
    }
    m_check = new QPushButton(QStringLiteral("Проверить"), m_databasePanel);
    m_check->setObjectName(QStringLiteral("dxButton3"));
    m_check->setGeometry(262, 92, 82, 22);
    m_check->setEnabled(false);

    m_log = new QPlainTextEdit(this);
    m_log->setObjectName(QStringLiteral("dxDNMemo1"));
    m_log->setGeometry(8, 288, 353, 193);
    m_log->setReadOnly(true);
    m_log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    connect(m_connect, &QPushButton::clicked, this,
            [this] { m_context.guarded([this] { connectToServer(); }); });
}

QComboBox* ConnectionPage::databaseCombo(Database database) const {
    return m_databases[static_cast<int>(database)];
}

QString ConnectionPage::databaseName(Database database) const {
    return databaseCombo(database)->currentText();
}

void ConnectionPage::appendLog(const QString& line) {
    m_log->appendPlainText(line);
}

void ConnectionPage::connectToServer() {
    mysql::TMysqlClient& session = m_context.session();
    session.SetHost(toUtf8(m_host->text()));
    session.SetPort(toInteger(m_port->text()));
    session.SetUser(toUtf8(m_user->text()));
    session.SetPassword(toUtf8(m_password->text()));
    session.SetPipeName(std::string());
    session.SetDatabase(std::string());
    session.SetUseNamedPipe(false);
    session.ClearSpareOption();
    session.SetCompress(false);
    session.SetPipeFallback(false);

    if (session.Connect()) {
        appendLog(QStringLiteral("Подключиние к ") + QString::fromStdString(session.Host()) +
                  QStringLiteral(" выполнено!"));
        appendLog(QStringLiteral("Пользователь : ") + QString::fromStdString(session.User()) +
                  QLatin1Char('.'));
    } else {
        appendLog(QStringLiteral("Подключиние НЕВОЗМОЖНО!!!"));
        m_autoLogin->setChecked(false);
        m_remember->setChecked(false);
    }

    if (!m_context.run(QStringLiteral("show databases;")))
        return;
    fillDatabaseCombos();
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
