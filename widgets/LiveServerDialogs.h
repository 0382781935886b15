#pragma once

#include "DialogService.h"

// The program's boxes while connected to a live server: every confirmation
// names the live profile in its caption and on its first line, so that no
// change there is confirmed in the belief that it goes to a test copy. All
// other boxes, and every box while no live profile is connected, pass through
// unchanged.
class LiveServerDialogs : public DialogService {
public:
    explicit LiveServerDialogs(DialogService& boxes);

    // The live profile connected now; empty when none.
    void setLiveProfile(const QString& name) { m_liveProfile = name; }
    const QString& liveProfile() const { return m_liveProfile; }

    // The confirmation's caption and text as shown for the live profile.
    static QString liveCaption(const QString& caption, const QString& profile);
    static QString liveText(const QString& text, const QString& profile);

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
    DialogService& m_boxes;
    QString m_liveProfile;
};
