#include "QtKeychainStore.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <qt6keychain/keychain.h>

#include <memory>

namespace {

// Starts the job and waits for it. The job deletes itself once finished,
// also when it finishes after the time limit.
Keychain::Answer runJob(QKeychain::Job* job, std::chrono::milliseconds timeLimit) {
    struct Outcome {
        bool finished = false;
        Keychain::Answer answer;
    };
    auto outcome = std::make_shared<Outcome>();
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    job->setAutoDelete(true);
    QObject::connect(job, &QKeychain::Job::finished, [outcome, waiting](QKeychain::Job* done) {
        outcome->finished = true;
        switch (done->error()) {
        case QKeychain::NoError:
            outcome->answer.status = Keychain::Status::Ok;
            if (auto* reading = qobject_cast<QKeychain::ReadPasswordJob*>(done))
                outcome->answer.password = reading->textData();
            break;
        case QKeychain::EntryNotFound:
            outcome->answer.status = Keychain::Status::NotFound;
            break;
        default:
            outcome->answer.status = Keychain::Status::Unavailable;
            outcome->answer.error = done->errorString();
            break;
        }
        if (waiting)
            waiting->quit();
    });
    QTimer::singleShot(timeLimit, &loop, &QEventLoop::quit);
    job->start();
    if (!outcome->finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!outcome->finished) {
        return {Keychain::Status::Unavailable,
                {},
                QStringLiteral("служба не ответила за %1 с")
                        .arg(std::chrono::duration_cast<std::chrono::seconds>(timeLimit).count())};
    }
    return outcome->answer;
}

} // namespace

QtKeychainStore::QtKeychainStore(QString service, std::chrono::milliseconds timeLimit)
    : m_service(std::move(service))
    , m_timeLimit(timeLimit) {}

Keychain::Answer QtKeychainStore::store(const QString& profile, const QString& password) {
    auto* job = new QKeychain::WritePasswordJob(m_service);
    job->setKey(profile);
    job->setTextData(password);
    return runJob(job, m_timeLimit);
}

Keychain::Answer QtKeychainStore::read(const QString& profile) {
    auto* job = new QKeychain::ReadPasswordJob(m_service);
    job->setKey(profile);
    return runJob(job, m_timeLimit);
}

Keychain::Answer QtKeychainStore::remove(const QString& profile) {
    auto* job = new QKeychain::DeletePasswordJob(m_service);
    job->setKey(profile);
    return runJob(job, m_timeLimit);
}
