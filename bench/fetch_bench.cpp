// Fetch benchmark: a table shaped like the accounts table is read whole,
// buffered, and every cell is visited, once with this library (Query, then
// Seek/Value over every row and column) and once with MariaDB Connector/C
// (mysql_store_result, then mysql_fetch_row/mysql_fetch_lengths). Each run is
// a child process of its own, so that its CPU time and peak memory are its
// own; the parent prints the medians and the CPU ratio. The same runs are made
// over TLS (both clients with TLS on, the certificate not checked), which
// gives the second ratio.
//
//   bench_fetch HOST PORT USER PASSWORD        set up the tables and run all
//   bench_fetch --child SIDE TABLE HOST PORT USER PASSWORD    one run
#include "uMysqlClient.h"

#include <mysql.h>

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr const char* kDatabase = "rd_bench";
constexpr int kRuns = 5;

struct Connection {
    std::string host;
    int port;
    std::string user;
    std::string password;
};

struct Sample {
    double cpu = 0;  // seconds
    double wall = 0; // seconds
    long peakKb = 0;
    uint64_t checksum = 0;
};

double Now(clockid_t clock) {
    timespec ts;
    clock_gettime(clock, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "bench_fetch: %s: %s\n", what, detail.c_str());
    std::exit(1);
}

bool IsTls(const std::string& side) {
    return side.size() > 4 && side.compare(side.size() - 4, 4, "-tls") == 0;
}

bool Connect(mysql::TMysqlClient& client, const Connection& c, bool tls = false) {
    client.SetTlsOptions({tls ? mysql::TTlsMode::Required : mysql::TTlsMode::Off, {}});
    client.SetHost(c.host);
    client.SetPort(c.port);
    client.SetUser(c.user);
    client.SetPassword(c.password);
    client.SetCompress(false);
    return client.Connect();
}

void Run(mysql::TMysqlClient& client, const std::string& statement) {
    bool success = false;
    client.Query(statement, true, success);
    if (!success)
        Fail(statement.substr(0, 60).c_str(), client.ErrorText());
}

void SetUp(const Connection& c, const std::vector<int>& sizes) {
    mysql::TMysqlClient client;
    if (!Connect(client, c))
        Fail("connect", client.ErrorText());
    Run(client, std::string("CREATE DATABASE IF NOT EXISTS ") + kDatabase);
    Run(client, std::string("USE ") + kDatabase);
    for (int rows : sizes) {
        const std::string table = "account_" + std::to_string(rows);
        bool success = false;
        auto count = client.Query("SELECT COUNT(*) FROM " + table, true, success);
        if (success && count && std::atoi(count->Value(0)) == rows)
            continue;
        Run(client, "DROP TABLE IF EXISTS " + table);
        Run(client, "CREATE TABLE " + table +
                            " (id INT UNSIGNED NOT NULL PRIMARY KEY,"
                            " username VARCHAR(32) NOT NULL,"
                            " sha_pass_hash VARCHAR(40) NOT NULL,"
                            " gmlevel TINYINT UNSIGNED NOT NULL DEFAULT 0,"
                            " email TEXT,"
                            " joindate TIMESTAMP NOT NULL DEFAULT CURRENT_TIMESTAMP,"
                            " last_ip VARCHAR(30) NOT NULL DEFAULT '127.0.0.1',"
                            " failed_logins INT UNSIGNED NOT NULL DEFAULT 0,"
                            " locked TINYINT UNSIGNED NOT NULL DEFAULT 0,"
                            " last_login TIMESTAMP NULL DEFAULT NULL,"
                            " active_realm_id INT UNSIGNED NOT NULL DEFAULT 0,"
                            " expansion TINYINT UNSIGNED NOT NULL DEFAULT 0,"
                            " locale TINYINT UNSIGNED NOT NULL DEFAULT 0) ENGINE=InnoDB");
        Run(client,
            "INSERT INTO " + table +
                    " SELECT seq, CONCAT('PLAYER', seq), UPPER(SHA1(CONCAT('PLAYER', seq))),"
                    " seq % 4, IF(seq % 10 = 0, NULL, CONCAT('player', seq, '@example.org')),"
                    " TIMESTAMP'2020-01-01 00:00:00' + INTERVAL seq MINUTE,"
                    " CONCAT('10.', seq % 250, '.', seq % 200, '.', seq % 100), seq % 5,"
                    " seq % 50 = 0,"
                    " IF(seq % 3 = 0, NULL, TIMESTAMP'2024-01-01 00:00:00' + INTERVAL seq SECOND),"
                    " seq % 3, 2, seq % 9 FROM seq_1_to_" +
                    std::to_string(rows));
    }
}

uint64_t Touch(const char* v, size_t length) {
    return v ? uint64_t(uint8_t(v[0])) + length + 1 : 0;
}

Sample RunOurs(const Connection& c, const std::string& statement, bool readAhead, bool tls) {
    mysql::TMysqlClient client;
    if (!Connect(client, c, tls))
        Fail("connect", client.ErrorText());
    if (client.Encrypted() != tls)
        Fail("connect", "the session is not encrypted as asked");
    client.Net().SetReadAhead(readAhead);
    Sample s;
    const double cpu0 = Now(CLOCK_PROCESS_CPUTIME_ID), wall0 = Now(CLOCK_MONOTONIC);
    bool success = false;
    auto result = client.Query(statement, true, success);
    if (!success || !result)
        Fail("query", client.ErrorText());
    const int64_t rows = int64_t(result->RowCount());
    const int columns = result->FieldCount();
    for (int64_t i = 0; i < rows; ++i) {
        result->Seek(i);
        for (int k = 0; k < columns; ++k)
            s.checksum += Touch(result->Value(k), result->ValueLength(k));
    }
    s.cpu = Now(CLOCK_PROCESS_CPUTIME_ID) - cpu0;
    s.wall = Now(CLOCK_MONOTONIC) - wall0;
    return s;
}

MYSQL* ConnectConnector(const Connection& c, bool tls) {
    MYSQL* mysql = mysql_init(nullptr);
    if (tls) {
        // TLS on, the certificate not checked: as the "required" mode of ours.
        const my_bool verify = 0;
        mysql_ssl_set(mysql, nullptr, nullptr, nullptr, nullptr, nullptr);
        mysql_optionsv(mysql, MYSQL_OPT_SSL_VERIFY_SERVER_CERT, &verify);
    }
    if (!mysql_real_connect(mysql, c.host.c_str(), c.user.c_str(), c.password.c_str(), nullptr,
                            unsigned(c.port), nullptr, 0))
        Fail("connect", mysql_error(mysql));
    if ((mysql_get_ssl_cipher(mysql) != nullptr) != tls)
        Fail("connect", "Connector/C is not encrypted as asked");
    return mysql;
}

Sample RunConnector(const Connection& c, const std::string& statement, bool tls) {
    MYSQL* mysql = ConnectConnector(c, tls);
    Sample s;
    const double cpu0 = Now(CLOCK_PROCESS_CPUTIME_ID), wall0 = Now(CLOCK_MONOTONIC);
    if (mysql_real_query(mysql, statement.data(), statement.size()) != 0)
        Fail("query", mysql_error(mysql));
    MYSQL_RES* result = mysql_store_result(mysql);
    if (!result)
        Fail("store", mysql_error(mysql));
    const unsigned columns = mysql_num_fields(result);
    while (MYSQL_ROW row = mysql_fetch_row(result)) {
        const unsigned long* lengths = mysql_fetch_lengths(result);
        for (unsigned k = 0; k < columns; ++k)
            s.checksum += Touch(row[k], lengths[k]);
    }
    s.cpu = Now(CLOCK_PROCESS_CPUTIME_ID) - cpu0;
    s.wall = Now(CLOCK_MONOTONIC) - wall0;
    mysql_free_result(result);
    mysql_close(mysql);
    return s;
}

int Child(const std::string& side, const std::string& table, const Connection& c) {
    const std::string statement = std::string("SELECT * FROM ") + kDatabase + "." + table;
    const bool tls = IsTls(side);
    Sample s = side.rfind("connector-c", 0) == 0
                       ? RunConnector(c, statement, tls)
                       : RunOurs(c, statement, side != "ours-no-read-ahead", tls);
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.6f %.6f %ld %" PRIu64 "\n", s.cpu, s.wall, usage.ru_maxrss, s.checksum);
    return 0;
}

Sample Spawn(const char* self, const std::string& side, const std::string& table,
             const Connection& c) {
    int out[2];
    if (pipe(out) != 0)
        Fail("pipe", std::strerror(errno));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const std::string port = std::to_string(c.port);
    const char* argv[] = {self,           "--child",          side.c_str(),
                          table.c_str(),  c.host.c_str(),     port.c_str(),
                          c.user.c_str(), c.password.c_str(), nullptr};
    pid_t pid;
    if (posix_spawn(&pid, self, &actions, nullptr, const_cast<char**>(argv), environ) != 0)
        Fail("spawn", std::strerror(errno));
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    char text[256] = {};
    size_t got = 0;
    ssize_t n;
    while (got < sizeof text - 1 && (n = read(out[0], text + got, sizeof text - 1 - got)) > 0)
        got += size_t(n);
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    Sample s;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(text, "%lf %lf %ld %" SCNu64, &s.cpu, &s.wall, &s.peakKb, &s.checksum) != 4)
        Fail("run", side + " on " + table + " failed");
    return s;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Summary {
    double cpu, wall, peakMb;
    uint64_t checksum;
};

Summary Measure(const char* self, const std::string& side, int rows, const Connection& c) {
    const std::string table = "account_" + std::to_string(rows);
    std::vector<double> cpu, wall, peak;
    uint64_t checksum = 0;
    Spawn(self, side, table, c); // warm the server's buffer pool and caches
    for (int i = 0; i < kRuns; ++i) {
        const Sample s = Spawn(self, side, table, c);
        cpu.push_back(s.cpu);
        wall.push_back(s.wall);
        peak.push_back(double(s.peakKb) / 1024.0);
        checksum = s.checksum;
    }
    const Summary m{Median(cpu), Median(wall), Median(peak), checksum};
    std::printf("%-20s rows=%-7d cpu=%.3f s  wall=%.3f s  peak_rss=%.1f MB  checksum=%" PRIu64 "\n",
                side.c_str(), rows, m.cpu, m.wall, m.peakMb, m.checksum);
    std::fflush(stdout);
    return m;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 8 && std::strcmp(argv[1], "--child") == 0)
        return Child(argv[2], argv[3], {argv[4], std::atoi(argv[5]), argv[6], argv[7]});
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s HOST PORT USER PASSWORD\n", argv[0]);
        return 2;
    }
    const Connection c{argv[1], std::atoi(argv[2]), argv[3], argv[4]};
    const std::vector<int> sizes = {20000, 200000};
    SetUp(c, sizes);
    std::printf("median of %d runs each; CPU and wall time of the query and the walk over every "
                "cell, peak RSS of the run's process\n",
                kRuns);
    {
        mysql::TMysqlClient client;
        if (!Connect(client, c, true))
            Fail("connect", client.ErrorText());
        MYSQL* mysql = ConnectConnector(c, true);
        const char* version = "";
        mariadb_get_infov(mysql, MARIADB_CONNECTION_TLS_VERSION, &version);
        std::printf("TLS: ours %s %s, connector-c %s %s\n", client.TlsVersion().c_str(),
                    client.TlsCipher().c_str(), version, mysql_get_ssl_cipher(mysql));
        mysql_close(mysql);
    }
    double ratio[2] = {0, 0}, ratioTls[2] = {0, 0};
    double ours[2] = {0, 0};
    for (size_t i = 0; i < sizes.size(); ++i) {
        const Summary connector = Measure(argv[0], "connector-c", sizes[i], c);
        const Summary own = Measure(argv[0], "ours", sizes[i], c);
        Measure(argv[0], "ours-no-read-ahead", sizes[i], c);
        const Summary connectorTls = Measure(argv[0], "connector-c-tls", sizes[i], c);
        const Summary ownTls = Measure(argv[0], "ours-tls", sizes[i], c);
        if (own.checksum != connector.checksum || ownTls.checksum != connector.checksum ||
            connectorTls.checksum != connector.checksum)
            Fail("checksum", "the clients read different values");
        ratio[i] = own.cpu / connector.cpu;
        ratioTls[i] = ownTls.cpu / connectorTls.cpu;
        ours[i] = own.cpu;
    }
    std::printf("growth ours 200000/20000 rows: cpu x%.2f\n", ours[1] / ours[0]);
    std::printf("ratio at 20000 rows=%.3f\n", ratio[0]);
    std::printf("ratio_tls at 20000 rows=%.3f\n", ratioTls[0]);
    std::printf("ratio=%.3f\n", ratio[1]);
    std::printf("ratio_tls=%.3f\n", ratioTls[1]);
    return 0;
}
