#include "LiveServerDialogs.h"

LiveServerDialogs::LiveServerDialogs(DialogService& boxes)
    : m_boxes(boxes) {}

QString LiveServerDialogs::liveCaption(const QString& caption, const QString& profile) {
    return QStringLiteral("%1 — БОЕВОЙ СЕРВЕР «%2»").arg(caption, profile);
}

QString LiveServerDialogs::liveText(const QString& text, const QString& profile) {
    return QStringLiteral("БОЕВОЙ СЕРВЕР, профиль «%1».\r\n").arg(profile) + text;
}

bool LiveServerDialogs::confirm(const QString& caption, const QString& text, Icon icon,
                                Default byDefault) {
    if (m_liveProfile.isEmpty())
        return m_boxes.confirm(caption, text, icon, byDefault);
    return m_boxes.confirm(liveCaption(caption, m_liveProfile), liveText(text, m_liveProfile), icon,
                           byDefault);
}

void LiveServerDialogs::error(const QString& caption, const QString& text) {
    m_boxes.error(caption, text);
}

void LiveServerDialogs::notice(const QString& text) {
    m_boxes.notice(text);
}

QString LiveServerDialogs::saveFileName(const SaveFileRequest& request) {
    return m_boxes.saveFileName(request);
}

bool LiveServerDialogs::openFolder(const QString& path) {
    return m_boxes.openFolder(path);
}

QString LiveServerDialogs::openFileName(const OpenFileRequest& request) {
    return m_boxes.openFileName(request);
}

std::optional<QString> LiveServerDialogs::askText(const TextRequest& request) {
    return m_boxes.askText(request);
}
