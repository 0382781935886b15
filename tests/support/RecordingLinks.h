#pragma once

#include "common/WindowLinks.h"

#include <QString>
#include <QStringList>

// Stands in for the main window behind a page built on its own: records the
// cross-page calls the page makes ("accountLookup|<filter>",
// "charactersOfAccount|<id>", "showPage|<index>") and answers the settings
// panel values from its fields.
class RecordingLinks : public WindowLinks {
public:
    QStringList calls;
    QString directory;
    bool utf8Export = false;

    void showPage(Page page) override { calls << QStringLiteral("showPage|%1").arg(int(page)); }
    void accountLookup(const QString& filter) override {
        calls << QStringLiteral("accountLookup|") + filter;
    }
    void charactersOfAccount(const QString& accountId) override {
        calls << QStringLiteral("charactersOfAccount|") + accountId;
    }
    QString erasePeriod() const override { return QStringLiteral("150"); }
    QString adminAccount() const override { return QStringLiteral("0"); }
    QString cheatMoney() const override { return QStringLiteral("1000000000"); }
    QString localeNumber() const override { return QStringLiteral("8"); }
    bool exportUtf8() const override { return utf8Export; }
    QString exportDirectory() const override { return directory; }
};
