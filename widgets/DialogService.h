#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// Every message box, file dialog and file manager window of the program goes
// through this service, so that a test can stand in for the person who
// answers them.
class DialogService {
public:
    enum class Icon { None, Question };
    // The answer that Enter gives.
    enum class Default { Yes, No };

    struct SaveFileRequest {
        QString fileName;    // preset name of the file
        QString directory;   // initial directory
        QStringList filters; // e.g. "SQL-File (*.sql)"
    };

    struct OpenFileRequest {
        QString caption;
        QString directory;   // initial directory; empty: the user's own
        QStringList filters; // e.g. "Сертификаты (*.pem *.crt)"
    };

    struct TextRequest {
        QString caption;
        QString label;       // what to type, above the edit
        QString text;        // the edit's text at the start
        bool hidden = false; // a password: the typed characters are not shown
    };

    virtual ~DialogService() = default;

    // A Yes/No question owned by the main window; true only for Yes.
    virtual bool confirm(const QString& caption, const QString& text, Icon icon,
                         Default byDefault) = 0;
    // The same with Yes as the default answer.
    bool confirm(const QString& caption, const QString& text, Icon icon) {
        return confirm(caption, text, icon, Default::Yes);
    }
    // An error box with the error (stop) icon and an OK button.
    virtual void error(const QString& caption, const QString& text) = 0;
    // A plain notice box captioned with the application title, without icon.
    virtual void notice(const QString& text) = 0;
    // The chosen file, or an empty text when the person cancels.
    virtual QString saveFileName(const SaveFileRequest& request) = 0;
    // Opens a folder in the desktop's file manager; false when the desktop
    // cannot.
    virtual bool openFolder(const QString& path) = 0;
    // An existing file to read, or an empty text when the person cancels.
    virtual QString openFileName(const OpenFileRequest& request) = 0;
    // A line of text (a name, a password), or nothing when the person cancels.
    virtual std::optional<QString> askText(const TextRequest& request) = 0;
};

// The program's service: real Qt message boxes and file dialogs.
class QtDialogService : public DialogService {
public:
    explicit QtDialogService(QWidget* owner = nullptr);
    void setOwner(QWidget* owner) { m_owner = owner; }

    using DialogService::confirm;
    bool confirm(const QString& caption, const QString& text, Icon icon,
                 Default byDefault) override;
    void error(const QString& caption, const QString& text) override;
    void notice(const QString& text) override;
    QString saveFileName(const SaveFileRequest& request) override;
    bool openFolder(const QString& path) override;
    QString openFileName(const OpenFileRequest& request) override;
    std::optional<QString> askText(const TextRequest& request) override;

private:
    QWidget* m_owner;
};

// The title of the application, used as the caption of notice boxes and of the
// error box for unexpected errors: the name of the program's executable
// ("realmdesk") up to its first dot, first letter capital, the rest lower case.
QString applicationTitle();
QString applicationTitleFor(const QString& executableFileName);
