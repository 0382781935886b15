#include "ScriptedDialogs.h"

void ScriptedDialogs::answerNextConfirmations(std::initializer_list<bool> answers) {
    for (bool answer : answers)
        m_answers << answer;
}

void ScriptedDialogs::answerNextSaveDialogs(std::initializer_list<QString> fileNames) {
    for (const QString& name : fileNames)
        m_fileNames << name;
}

void ScriptedDialogs::answerNextOpenDialogs(std::initializer_list<QString> fileNames) {
    for (const QString& name : fileNames)
        m_openFileNames << name;
}

void ScriptedDialogs::answerNextTextDialogs(std::initializer_list<std::optional<QString>> texts) {
    for (const std::optional<QString>& text : texts)
        m_texts << text;
}

void ScriptedDialogs::clear() {
    m_boxes.clear();
    m_saveRequests.clear();
    m_openRequests.clear();
    m_textRequests.clear();
}

QStringList ScriptedDialogs::describe() const {
    QStringList lines;
    for (const Box& box : m_boxes) {
        static const char* const kinds[] = {"confirmation", "error", "notice",
                                            "save",         "open",  "text"};
        lines << QStringLiteral("%1|%2|%3")
                         .arg(QLatin1String(kinds[int(box.kind)]), box.caption, box.text);
    }
    return lines;
}

bool ScriptedDialogs::confirm(const QString& caption, const QString& text, Icon icon,
                              Default byDefault) {
    m_boxes << Box{Kind::Confirmation, caption, text, icon, byDefault};
    return m_answers.isEmpty() ? defaultAnswer : m_answers.takeFirst();
}

void ScriptedDialogs::error(const QString& caption, const QString& text) {
    m_boxes << Box{Kind::Error, caption, text, Icon::None};
}

void ScriptedDialogs::notice(const QString& text) {
    m_boxes << Box{Kind::Notice, applicationTitle(), text, Icon::None};
}

QString ScriptedDialogs::saveFileName(const SaveFileRequest& request) {
    m_saveRequests << request;
    m_boxes << Box{Kind::SaveFile, request.directory, request.fileName, Icon::None};
    return m_fileNames.isEmpty() ? QString() : m_fileNames.takeFirst();
}

bool ScriptedDialogs::openFolder(const QString& path) {
    openedFolders << path;
    return openFolderAnswer;
}

QString ScriptedDialogs::openFileName(const OpenFileRequest& request) {
    m_openRequests << request;
    m_boxes << Box{Kind::OpenFile, request.caption, request.directory, Icon::None};
    return m_openFileNames.isEmpty() ? QString() : m_openFileNames.takeFirst();
}

std::optional<QString> ScriptedDialogs::askText(const TextRequest& request) {
    m_textRequests << request;
    m_boxes << Box{Kind::Text, request.caption, request.label, Icon::None};
    return m_texts.isEmpty() ? std::nullopt : m_texts.takeFirst();
}
