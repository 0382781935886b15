// The schema families: which family a database's tables and columns make,
// what each family's description finds in its own databases, and the SRP6
// password stores against rows the families ship. The catalogs are read from
// the test databases' own CREATE TABLE statements (scripts/db), so the
// detection is checked against every family's published columns without a
// server.
#include "schema/CharacterSchema.h"
#include "schema/Family.h"
#include "schema/FixtureCatalogs.h"
#include "schema/LoginSchema.h"
#include "schema/Srp6.h"
#include "schema/WorldSchema.h"

#include <QTest>

using schema::Catalog;
using schema::Family;
using schema::Role;

Q_DECLARE_METATYPE(Family)
Q_DECLARE_METATYPE(Role)

namespace {

const QHash<QString, Catalog>& catalogs() {
    static const QHash<QString, Catalog> all = [] {
        QHash<QString, Catalog> found;
        const auto& databases = fixtures::all(QStringLiteral(REALMDESK_SOURCE_DIR));
        for (auto it = databases.begin(); it != databases.end(); ++it)
            found.insert(it.key(), it.value().catalog);
        return found;
    }();
    return all;
}

QByteArray unhex(const char* hex) {
    return QByteArray::fromHex(hex);
}

} // namespace

class SchemaFamiliesTest : public QObject {
    Q_OBJECT

private slots:
    void detection_data();
    void detection();
    void unknownSchemaFollowsTheNearestFamily();
    void descriptionsFindTheirColumns_data();
    void descriptionsFindTheirColumns();
    void missingColumnsAreNamed();
    void characterDescriptionsFindTheirColumns_data();
    void characterDescriptionsFindTheirColumns();
    void characterColumnsLackedAreNamed();
    void familyWords();
    void hexVerifiersOfShippedRows_data();
    void hexVerifiersOfShippedRows();
    void binaryVerifiersOfShippedRows();
    void newRecordsAreWhatTheServersExpect();
};

void SchemaFamiliesTest::detection_data() {
    QTest::addColumn<QString>("database");
    QTest::addColumn<Role>("role");
    QTest::addColumn<Family>("family");
    QTest::addColumn<QString>("name");
    const struct {
        const char* login;
        const char* characters;
        const char* world;
        Family family;
        const char* name;
    } families[] = {
            {"realmd", "characters", "mangos", Family::Mangos2010, "MaNGOS 2010"},
            {"zero_realmd", "zero_characters", "zero_mangos", Family::Rel2x, "MaNGOS Rel2x"},
            {"wotlkrealmd", "wotlkcharacters", "wotlkmangos", Family::Cmangos, "cmangos (wotlk)"},
            {"vm_realmd", "vm_characters", "vm_mangos", Family::Vmangos, "vmangos"},
            {"tc_auth", "tc_characters", "tc_world", Family::TrinityCore, "TrinityCore 3.3.5"},
            {"acore_auth", "acore_characters", "acore_world", Family::AzerothCore, "AzerothCore"},
    };
    for (const auto& f : families) {
        QTest::addRow("%s", f.login) << QString::fromLatin1(f.login) << Role::Login << f.family
                                     << QString::fromUtf8(f.name);
        QTest::addRow("%s", f.characters) << QString::fromLatin1(f.characters) << Role::Characters
                                          << f.family << QString::fromUtf8(f.name);
        // The world database of cmangos names no expansion.
        QTest::addRow("%s", f.world)
                << QString::fromLatin1(f.world) << Role::World << f.family
                << (f.family == Family::Cmangos ? QStringLiteral("cmangos (wotlk)")
                                                : QString::fromUtf8(f.name));
    }
    // The older 2010 shapes are the 2010 family too.
    QTest::newRow("realmd_old") << QStringLiteral("realmd_old") << Role::Login << Family::Mangos2010
                                << QStringLiteral("MaNGOS 2010");
    QTest::newRow("characters_old") << QStringLiteral("characters_old") << Role::Characters
                                    << Family::Mangos2010 << QStringLiteral("MaNGOS 2010");
}

void SchemaFamiliesTest::detection() {
    QFETCH(QString, database);
    QFETCH(Role, role);
    QFETCH(Family, family);
    QFETCH(QString, name);
    QVERIFY2(catalogs().contains(database), qPrintable(database));
    const schema::Detection found = schema::detect(role, catalogs()[database]);
    QCOMPARE(found.family, family);
    QCOMPARE(schema::familyName(found.family, found.variant), name);
}

void SchemaFamiliesTest::unknownSchemaFollowsTheNearestFamily() {
    // A login database of today's cmangos that lost its logons table in a
    // half-done migration: no family's marks all hold.
    Catalog catalog;
    for (const QString& column : catalogs()[QStringLiteral("wotlkrealmd")].columns("account"))
        catalog.add(QStringLiteral("account"), column);
    for (const QString& column :
         catalogs()[QStringLiteral("wotlkrealmd")].columns("account_banned"))
        catalog.add(QStringLiteral("account_banned"), column);
    const schema::Detection found = schema::detect(Role::Login, catalog);
    QCOMPARE(found.family, Family::Unknown);
    QCOMPARE(found.nearest, Family::Cmangos);
    // An empty database is no family either.
    QCOMPARE(schema::detect(Role::Login, Catalog()).family, Family::Unknown);
}

void SchemaFamiliesTest::descriptionsFindTheirColumns_data() {
    QTest::addColumn<QString>("database");
    QTest::addColumn<Family>("family");
    QTest::newRow("2010") << QStringLiteral("realmd") << Family::Mangos2010;
    QTest::newRow("rel2x") << QStringLiteral("zero_realmd") << Family::Rel2x;
    QTest::newRow("cmangos") << QStringLiteral("wotlkrealmd") << Family::Cmangos;
    QTest::newRow("vmangos") << QStringLiteral("vm_realmd") << Family::Vmangos;
    QTest::newRow("trinitycore") << QStringLiteral("tc_auth") << Family::TrinityCore;
    QTest::newRow("azerothcore") << QStringLiteral("acore_auth") << Family::AzerothCore;
}

void SchemaFamiliesTest::descriptionsFindTheirColumns() {
    QFETCH(QString, database);
    QFETCH(Family, family);
    const schema::LoginSchema login = schema::loginSchema(family, catalogs()[database]);
    QVERIFY2(login.missing.isEmpty(), qPrintable(login.missing.join(u',')));
    QVERIFY(login.account.store != schema::PasswordStore::None);
    QVERIFY(login.account.gmlevel.has());
    QVERIFY(login.account.lastLogin.has() && login.account.lastIp.has());
    QVERIFY(!login.account.sessionKeys.isEmpty());
    QVERIFY(login.bans.account.has() && login.ipBans.ip.has());
    QCOMPARE(login.realms.color.has(), family == Family::Mangos2010);
    QCOMPARE(login.realms.flags.has(), family != Family::Mangos2010);
    // The session key reset never touches a password store of today's
    // servers.
    for (const QString& column : {QStringLiteral("s"), QStringLiteral("v"), QStringLiteral("salt"),
                                  QStringLiteral("verifier")}) {
        if (family != Family::Mangos2010)
            QVERIFY2(!login.account.sessionKeys.contains(column), qPrintable(column));
    }
}

void SchemaFamiliesTest::missingColumnsAreNamed() {
    // The 2010 description on a cmangos login database: no hash, no last IP,
    // no color; the notions that are there stay.
    const schema::LoginSchema login =
            schema::loginSchema(Family::Mangos2010, catalogs()[QStringLiteral("wotlkrealmd")]);
    QCOMPARE(login.account.store, schema::PasswordStore::None);
    QVERIFY(!login.account.lastIp.has());
    QVERIFY(!login.realms.color.has());
    QVERIFY(login.account.username.has() && login.account.email.has());
    for (const char* mark : {"account.sha_pass_hash", "account.last_ip", "account.last_login",
                             "realmlist.color", "account_banned.bandate"})
        QVERIFY2(login.missing.contains(QLatin1String(mark)), mark);
    // The caches a new password clears are written only where they are.
    QVERIFY(login.account.alsoWithPassword.size() == 3);
}

void SchemaFamiliesTest::characterDescriptionsFindTheirColumns_data() {
    QTest::addColumn<Family>("family");
    QTest::addColumn<QString>("characters");
    QTest::addColumn<QString>("world");
    QTest::newRow("2010") << Family::Mangos2010 << QStringLiteral("characters")
                          << QStringLiteral("mangos");
    QTest::newRow("rel2x") << Family::Rel2x << QStringLiteral("zero_characters")
                           << QStringLiteral("zero_mangos");
    QTest::newRow("cmangos") << Family::Cmangos << QStringLiteral("wotlkcharacters")
                             << QStringLiteral("wotlkmangos");
    QTest::newRow("vmangos") << Family::Vmangos << QStringLiteral("vm_characters")
                             << QStringLiteral("vm_mangos");
    QTest::newRow("trinitycore") << Family::TrinityCore << QStringLiteral("tc_characters")
                                 << QStringLiteral("tc_world");
    QTest::newRow("azerothcore") << Family::AzerothCore << QStringLiteral("acore_characters")
                                 << QStringLiteral("acore_world");
}

void SchemaFamiliesTest::characterDescriptionsFindTheirColumns() {
    QFETCH(Family, family);
    QFETCH(QString, characters);
    QFETCH(QString, world);
    const schema::CharacterSchema s = schema::characterSchema(family, catalogs()[characters]);
    QVERIFY2(s.missing.isEmpty(), qPrintable(s.missing.join(u',')));
    for (bool present : {s.inventory.present, s.quests.present, s.spells.present, s.auras.present,
                         s.homebind.present, s.groups.present, s.corpse.present})
        QVERIFY(present);
    const schema::CharacterTable& c = s.characters;
    for (const schema::Field* field :
         {&c.guid, &c.account, &c.name, &c.level, &c.xp, &c.money, &c.online, &c.map, &c.zone,
          &c.transportGuid, &c.taxiPath, &c.atLogin})
        QVERIFY(field->writable());
    // The packed field block is the 2010 schema's alone; a deleted character
    // is kept by every family after it.
    QCOMPARE(c.data.has(), family == Family::Mangos2010);
    QCOMPARE(c.deletedAccount.has(), family != Family::Mangos2010);
    // The repair writes every column of the family's aura table.
    QCOMPARE(s.auras.columns, catalogs()[characters].columns(s.auras.table));
    // Every table the clean-up names that the database has, has its key.
    for (const schema::CharacterKey& key : s.characterKeys) {
        if (catalogs()[characters].hasTable(key.table))
            QVERIFY2(catalogs()[characters].hasColumn(key.table, key.column),
                     qPrintable(key.table + u'.' + key.column));
    }
    const schema::WorldSchema w = schema::worldSchema(family, catalogs()[world]);
    QVERIFY2(w.missing.isEmpty(), qPrintable(w.missing.join(u',')));
    QVERIFY(w.quests.present && w.items.present && w.items.localesPresent);
}

void SchemaFamiliesTest::characterColumnsLackedAreNamed() {
    // The 2010 description on the older 2010 table: level, gender, money and
    // experience live only in the packed block there.
    const schema::CharacterSchema old = schema::characterSchema(
            Family::Mangos2010, catalogs()[QStringLiteral("characters_old")]);
    QCOMPARE(old.missing, QStringList({"characters.gender", "characters.level", "characters.xp",
                                       "characters.money"}));
    QVERIFY(!old.characters.money.has() && old.characters.data.has());
    QVERIFY(old.inventory.present && old.auras.present);

    // The 2010 description on a TrinityCore database: the parts it cannot
    // find are absent, and named.
    const schema::CharacterSchema foreign = schema::characterSchema(
            Family::Mangos2010, catalogs()[QStringLiteral("tc_characters")]);
    for (const char* mark :
         {"characters.data", "character_inventory.item_template", "character_aura.caster_guid",
          "character_homebind.map", "group_member.leaderGuid", "corpse.player"})
        QVERIFY2(foreign.missing.contains(QLatin1String(mark)), mark);
    QVERIFY(!foreign.inventory.present && !foreign.auras.present && !foreign.homebind.present);
    QVERIFY(foreign.spells.present && foreign.characters.atLogin.has());
    QCOMPARE(foreign.missingOf({QStringLiteral("corpse")}), QStringList{"corpse.player"});

    // TrinityCore's world description on a cmangos world: no LogTitle, no
    // chain table, no per-locale rows.
    const schema::WorldSchema world =
            schema::worldSchema(Family::TrinityCore, catalogs()[QStringLiteral("wotlkmangos")]);
    QVERIFY(!world.quests.present && world.items.present && !world.items.localesPresent);
    for (const char* mark : {"quest_template.LogTitle", "quest_template_addon.PrevQuestID",
                             "item_template_locale.Name"})
        QVERIFY2(world.missing.contains(QLatin1String(mark)), mark);
}

void SchemaFamiliesTest::familyWords() {
    for (Family family : {Family::Mangos2010, Family::Rel2x, Family::Cmangos, Family::Vmangos,
                          Family::TrinityCore, Family::AzerothCore})
        QCOMPARE(schema::familyFromKey(schema::familyKey(family).toUpper()), family);
    QVERIFY(!schema::familyFromKey(QStringLiteral("auto")));
    QVERIFY(!schema::familyFromKey(QStringLiteral("mangos")));
}

void SchemaFamiliesTest::hexVerifiersOfShippedRows_data() {
    // Rows as the families ship or write them; the password is the user
    // name. cmangos ships the first four (sql/base/realmd.sql); the vmangos
    // fixture's verifier of GAMEMASTER starts with a zero digit. Checked
    // outside the program with the python3 command beside the rows in
    // scripts/db/families/cmangos.sql and vmangos.sql.
    QTest::addColumn<QString>("username");
    QTest::addColumn<QString>("salt");
    QTest::addColumn<QString>("verifier");
    const auto row = [](const char* name, const char* s, const char* v) {
        QTest::addRow("%s %s", name, s + 56)
                << QString::fromLatin1(name) << QString::fromLatin1(s) << QString::fromLatin1(v);
    };
    row("ADMINISTRATOR", "8EB5DE915AA3D805FA7099CF61C0BB8A77990EA869078A0C5B9EEE55828F4505",
        "312B99EEF1C0196BB73B79D114CE161C5D089319E6EF54FAA6117DAB8B672C14");
    row("GAMEMASTER", "8873CD861DEFBF124232D6A29E4884E34C73385304A8AC44175976B1003DCFD7",
        "681F5A7D4DE26DBFD3060EE37E03B79FD154875FB18F44DBF843963F193FC1AC");
    row("MODERATOR", "AD68B088D7BCE5E4B734495A7A956F1D5DD1BAB61FB0FEE46C737D93EC166DF5",
        "2CA85C9853E44A6DCE09FC92EBDE57EF20975281EB7604326E25751AF8576859");
    row("PLAYER", "EBA23AF194D89B8061CA7FEBA06D336B1C38D8FBDABA76F2C51D45141362D881",
        "3738EC7E7C731FD431C716990C6D97CA5C1D50EF0DA7DE9819076DE1D03AA891");
    row("GAMEMASTER", "C4D648E0EA5D22EF8BD6EE9A1CA03BF593434E43922EE8B94FFA1691FBD385CB",
        "03D63108D9DD3CE5F5D77EEDF9FF3B37B297E1BF492E965ED95CBD7FEDEE2526");
}

void SchemaFamiliesTest::hexVerifiersOfShippedRows() {
    QFETCH(QString, username);
    QFETCH(QString, salt);
    QFETCH(QString, verifier);
    const QByteArray name = username.toUtf8();
    QVERIFY(srp6::matchesHex({salt, verifier}, name, username));
    QVERIFY(srp6::matchesHex({salt.toLower(), verifier.toLower()}, name, username));
    // The salt bytes hashed are the number's, least significant first.
    QByteArray saltBytes = QByteArray::fromHex(salt.toLatin1());
    std::reverse(saltBytes.begin(), saltBytes.end());
    QCOMPARE(srp6::hexRecord(saltBytes, name, username).verifier, verifier);
    QVERIFY(!srp6::matchesHex({salt, verifier}, name, username + u'x'));
    QVERIFY(!srp6::matchesHex({QString(), verifier}, name, username));
}

void SchemaFamiliesTest::binaryVerifiersOfShippedRows() {
    // The TrinityCore fixture's ADMINISTRATOR, computed outside the program
    // with the python3 command beside the account rows of
    // scripts/db/families/trinitycore.sql.
    const srp6::BinaryRecord stored{
            unhex("E56FF6B1546CBFE3C935E8EE1A82FBF399F488DFE67116215E84B770429544CF"),
            unhex("6B158440EF256CD51A6DE017141E99FD5C573449C745A5CD42E7A1F7E4364151")};
    QVERIFY(srp6::matchesBinary(stored, "ADMINISTRATOR", QStringLiteral("administrator")));
    QCOMPARE(srp6::binaryRecord(stored.salt, "ADMINISTRATOR", QStringLiteral("ADMINISTRATOR"))
                     .verifier,
             stored.verifier);
    QVERIFY(!srp6::matchesBinary(stored, "ADMINISTRATOR", QStringLiteral("admin")));
    QVERIFY(!srp6::matchesBinary({stored.salt.left(31), stored.verifier}, "ADMINISTRATOR",
                                 QStringLiteral("ADMINISTRATOR")));
}

void SchemaFamiliesTest::newRecordsAreWhatTheServersExpect() {
    // A Cyrillic name keeps its letters; only a-z of the password are
    // upper-cased. Computed outside the program:
    //   python3 -c "import
    //   hashlib;N=int('894B645E89E1535BBDAD5B8B290650530801B18EBFBF5E8FAB3C82872A3E9BB7',16);
    //   s=bytes(range(1,33));j=bytes(c-32 if 97<=c<=122 else c for c in 'ИГРОК:Пароль1a'.encode());
    //   v=pow(7,int.from_bytes(hashlib.sha1(s+hashlib.sha1(j).digest()).digest(),'little'),N);
    //   print(s[::-1].hex().upper(),format(v,'X'),v.to_bytes(32,'little').hex().upper())"
    QByteArray salt;
    for (int i = 1; i <= 32; ++i)
        salt.append(char(i));
    const QByteArray name = QStringLiteral("ИГРОК").toUtf8();
    const QString password = QStringLiteral("Пароль1a");
    const srp6::HexRecord hex = srp6::hexRecord(salt, name, password);
    QCOMPARE(hex.salt,
             QStringLiteral("201F1E1D1C1B1A191817161514131211100F0E0D0C0B0A090807060504030201"));
    QCOMPARE(hex.verifier,
             QStringLiteral("483BFF29B68347133F43D36551D2026106CEB10ACD4D20F6BE36A8E28955B379"));
    QCOMPARE(srp6::binaryRecord(salt, name, password).verifier,
             unhex("79B35589E2A836BEF6204DCD0AB1CE066102D25165D3433F134783B629FF3B48"));

    // A new salt keeps all 32 bytes as a number: its top byte is not zero.
    for (int i = 0; i < 64; ++i) {
        const QByteArray random = srp6::randomSalt();
        QCOMPARE(random.size(), 32);
        QVERIFY(uint8_t(random.back()) >= 0x80);
        QCOMPARE(srp6::hexRecord(random, name, password).salt.size(), 64);
    }
}

QTEST_APPLESS_MAIN(SchemaFamiliesTest)
#include "tst_schema_families.moc"
