#pragma once

#include "DialogService.h"

#include <QList>
#include <QString>
#include <QStringList>

// Stands in for the person who answers the program's boxes: records every box
// and answers confirmations and file dialogs as the test scripted them.
class ScriptedDialogs : public DialogService {
public:
    enum class Kind { Confirmation, Error, Notice, SaveFile, OpenFile, Text };

    struct Box {
        Kind kind;
        QString caption;
        QString text;
        Icon icon = Icon::None;
        // A confirmation's answer for Enter.
        Default byDefault = Default::Yes;
    };

    // Answers for the next confirmations, in order; once they are used up,
    // every further confirmation gets defaultAnswer.
    void answerNextConfirmations(std::initializer_list<bool> answers);
    bool defaultAnswer = false;
    // The file names chosen in the next save dialogs ("" cancels).
    void answerNextSaveDialogs(std::initializer_list<QString> fileNames);
    // The file names chosen in the next open dialogs ("" cancels).
    void answerNextOpenDialogs(std::initializer_list<QString> fileNames);
    // The texts typed into the next text dialogs (nothing cancels); once they
    // are used up, every further text dialog is cancelled.
    void answerNextTextDialogs(std::initializer_list<std::optional<QString>> texts);

    // The folders the program asked the file manager to open, and whether
    // the desktop manages to.
    QStringList openedFolders;
    bool openFolderAnswer = true;

    const QList<Box>& boxes() const { return m_boxes; }
    QList<SaveFileRequest> saveRequests() const { return m_saveRequests; }
    QList<OpenFileRequest> openRequests() const { return m_openRequests; }
    QList<TextRequest> textRequests() const { return m_textRequests; }
    void clear();
    // The boxes shown since the last clear, as "kind|caption|text" lines.
    QStringList describe() const;

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
    QList<Box> m_boxes;
    QList<bool> m_answers;
    QStringList m_fileNames;
    QList<SaveFileRequest> m_saveRequests;
    QStringList m_openFileNames;
    QList<OpenFileRequest> m_openRequests;
    QList<std::optional<QString>> m_texts;
    QList<TextRequest> m_textRequests;
};
