-- realmdesk test fixture: the "vmangos" family (VMaNGOS, World of Warcraft
-- 1.2 to 1.12.1, one server for every content patch).
--
-- Creates three databases from scratch (every run drops them first):
--   vm_realmd      login database     (the family calls it "realmd"/"logon")
--   vm_characters  characters database
--   vm_mangos      world database     (the family calls it "mangos")
--
-- Written from the published schema of vmangos/core at commit
-- 8e4b5f23fa6fed2edf610a9308d70da4eb82354b (2024-10-24):
--   sql/logon.sql       + sql/migrations/*_logon.sql       (all 5 applied)
--   sql/characters.sql  + sql/migrations/*_characters.sql  (all 3 applied)
-- The world database is not in that git tree: it is published as a release
-- archive (world_full_14_june_2021.7z) that the migrations in sql/migrations
-- then change. The world tables below therefore take
--   * their column names from the server's own queries
--     (src/game/ObjectMgr.cpp, src/game/AutoBroadCastMgr.cpp at 8e4b5f23fa),
--   * their types, keys and engines from the vmangos world structure of the
--     2018 database release (MyISAM, utf8) with every later ALTER of
--     sql/old_migrations and sql/migrations at 8e4b5f23fa applied
--     (the migration that changed a column is named beside it),
--   * cross-checked against the vmangos/wiki table pages (commit b455b007,
--     world/quest_template, world/item_template).
-- World tables are huge: only the key columns, names/titles, level/quality
-- columns and the prev/next/exclusive-group chain columns are kept; all other
-- columns are LEFT OUT on purpose.
--
-- Load as root, after scripts/db/schema.sql and data.sql, in the server's
-- default strict sql_mode:
--   mariadb --default-character-set=utf8mb4 < scripts/db/families/vmangos.sql
--
-- Things this family does differently (details in /work/notes/vmangos.md):
--   * passwords: `account`.`s` and `v` (longtext) hold OpenSSL BN_bn2hex()
--     strings: upper-case hex of the big-endian integer, leading zero BYTES
--     dropped (a verifier can be 62 hex digits, see NOCHARS; a leading zero
--     nibble stays, see GAMEMASTER). The salt's bytes are the LITTLE-endian
--     bytes of that integer. No sha_pass_hash column any more.
--   * GM level: `account_access` (id, gmlevel, RealmID; RealmID -1 = every
--     realm). `account`.`gmlevel` still exists but the server never writes it.
--   * bans: unix times; permanent = `unbandate` = `bandate`; `active` flag;
--     extra `realm` and `gmlevel` columns; warnings and unban notes are rows
--     of the same table (active 0, unbandate = bandate + 1, reason "UNBAN: ...").
--   * no declined names, no talents table, no at-login "customize" in 1.12.
--   * world templates keyed by (entry, patch): the server loads, per entry, the
--     row with the highest patch <= its configured WowPatch (10 = 1.12).
--   * automatic broadcasts: world `autobroadcast`.`string_id` -> `mangos_string`.`entry`.

SET NAMES utf8mb4;

DROP DATABASE IF EXISTS `vm_realmd`;
DROP DATABASE IF EXISTS `vm_characters`;
DROP DATABASE IF EXISTS `vm_mangos`;

CREATE DATABASE `vm_realmd`     CHARACTER SET utf8mb3 COLLATE utf8mb3_general_ci;
CREATE DATABASE `vm_characters` CHARACTER SET utf8mb3 COLLATE utf8mb3_general_ci;
CREATE DATABASE `vm_mangos`     CHARACTER SET utf8mb3 COLLATE utf8mb3_general_ci;

-- ===========================================================================
-- vm_realmd
-- ===========================================================================
USE `vm_realmd`;

-- from vmangos/core 8e4b5f23fa sql/logon.sql
--   + sql/migrations/20210830151515_logon.sql (16 columns dropped)
--   + sql/migrations/20221111031829_logon.sql (`platform` added after `os`)
CREATE TABLE `account` (
  `id` int(11) unsigned NOT NULL AUTO_INCREMENT COMMENT 'Identifier',
  `username` varchar(32) NOT NULL,
  `gmlevel` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `sessionkey` longtext,
  `v` longtext,
  `s` longtext,
  `token_key` varchar(100) NOT NULL DEFAULT '',
  `email` text,
  `joindate` timestamp NOT NULL DEFAULT CURRENT_TIMESTAMP,
  `last_ip` varchar(30) NOT NULL DEFAULT '0.0.0.0',
  `failed_logins` int(11) unsigned NOT NULL DEFAULT '0',
  `locked` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `lock_country` varchar(2) NOT NULL DEFAULT '00',
  `last_login` timestamp NOT NULL DEFAULT '0000-00-00 00:00:00',
  `online` tinyint(4) NOT NULL DEFAULT '0',
  `expansion` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `mutetime` bigint(40) NOT NULL DEFAULT '0',
  `locale` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `os` varchar(4) NOT NULL DEFAULT '',
  `platform` varchar(4) NOT NULL DEFAULT '',
  `current_realm` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `flags` int(10) unsigned NOT NULL DEFAULT '0',
  `security` varchar(255) DEFAULT NULL,
  `email_verif` tinyint(1) NOT NULL DEFAULT '0' COMMENT 'Email verification',
  `geolock_pin` int(11) DEFAULT '0',
  PRIMARY KEY (`id`),
  UNIQUE KEY `idx_username` (`username`),
  KEY `idx_gmlevel` (`gmlevel`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Account System';

-- from vmangos/core 8e4b5f23fa sql/logon.sql
CREATE TABLE `account_access` (
  `id` int(11) unsigned NOT NULL,
  `gmlevel` tinyint(3) unsigned NOT NULL,
  `RealmID` int(11) NOT NULL,
  PRIMARY KEY (`id`,`RealmID`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC;

-- from vmangos/core 8e4b5f23fa sql/logon.sql
CREATE TABLE `account_banned` (
  `banid` bigint(20) NOT NULL AUTO_INCREMENT,
  `id` bigint(20) NOT NULL DEFAULT '0' COMMENT 'Account id',
  `bandate` bigint(40) NOT NULL DEFAULT '0',
  `unbandate` bigint(40) NOT NULL DEFAULT '0',
  `bannedby` varchar(50) NOT NULL,
  `banreason` varchar(255) NOT NULL,
  `active` tinyint(4) NOT NULL DEFAULT '1',
  `realm` tinyint(4) NOT NULL DEFAULT '1',
  `gmlevel` tinyint(4) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`id`,`bandate`),
  UNIQUE KEY `banid` (`banid`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Ban List';

-- from vmangos/core 8e4b5f23fa sql/logon.sql
CREATE TABLE `ip_banned` (
  `ip` varchar(32) NOT NULL DEFAULT '0.0.0.0',
  `bandate` int(11) NOT NULL,
  `unbandate` int(11) NOT NULL,
  `bannedby` varchar(50) NOT NULL DEFAULT '[Console]',
  `banreason` varchar(50) NOT NULL DEFAULT 'no reason',
  PRIMARY KEY (`ip`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Banned IPs';

-- from vmangos/core 8e4b5f23fa sql/logon.sql (the schema-version table of
-- every vmangos database: one row per applied sql/migrations file)
CREATE TABLE `migrations` (
  `id` varchar(255) NOT NULL,
  PRIMARY KEY (`id`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8;

-- from vmangos/core 8e4b5f23fa sql/logon.sql
CREATE TABLE `realmcharacters` (
  `realmid` int(11) unsigned NOT NULL DEFAULT '0',
  `acctid` bigint(20) unsigned NOT NULL,
  `numchars` tinyint(3) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`realmid`,`acctid`),
  KEY `acctid` (`acctid`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Realm Character Tracker';

-- from vmangos/core 8e4b5f23fa sql/logon.sql
CREATE TABLE `realmlist` (
  `id` int(11) unsigned NOT NULL AUTO_INCREMENT,
  `name` varchar(32) NOT NULL DEFAULT '',
  `address` varchar(32) NOT NULL DEFAULT '127.0.0.1',
  `localAddress` varchar(255) NOT NULL DEFAULT '127.0.0.1',
  `localSubnetMask` varchar(255) NOT NULL DEFAULT '255.255.255.0',
  `port` int(11) NOT NULL DEFAULT '8085',
  `icon` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `realmflags` tinyint(3) unsigned NOT NULL DEFAULT '2',
  `timezone` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `allowedSecurityLevel` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `population` float unsigned NOT NULL DEFAULT '0',
  `gamebuild_min` int(11) unsigned NOT NULL DEFAULT '0',
  `gamebuild_max` int(11) unsigned NOT NULL DEFAULT '0',
  `flag` tinyint(3) unsigned NOT NULL DEFAULT '2',
  `realmbuilds` varchar(64) NOT NULL DEFAULT '',
  PRIMARY KEY (`id`),
  UNIQUE KEY `idx_name` (`name`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Realm System';

-- The family ships NO default accounts (sql/logon.sql exports no rows), so
-- accounts 1 to 4 are made here like the others. The server stores user
-- names upper-case (AccountMgr::normalizeString) and writes s and v as
-- BN_bn2hex() strings: upper-case, big-endian, leading zero bytes dropped.
-- Password = user name. Salts: 32 random bytes as the server makes them
-- (BN_rand(256, top 0, bottom 1): highest bit set, odd); here, for
-- reproducibility, SHA-256("vmangos fixture salt NAME c") | 2^255 | 1 with
-- c = 0, except c = 118 for NOCHARS (the first c that gives a verifier with a
-- leading zero byte, stored as 62 hex digits). Verifiers computed with:
-- python3 -c "import hashlib;N=int('894B645E89E1535BBDAD5B8B290650530801B18EBFBF5E8FAB3C82872A3E9BB7',16);H=lambda n:(lambda t:'0'*(len(t)%2)+t)(format(n,'X'));[print(u,s,H(pow(7,int.from_bytes(hashlib.sha1(int(s,16).to_bytes(32,'little')+hashlib.sha1((u+':'+u).encode()).digest()).digest(),'little'),N))) for u,s in [('ADMINISTRATOR','8CC276EF23F4B0496AFF35450CB08DB8C0F8A919F6317B81CBEF396DE3632959'),('GAMEMASTER','C4D648E0EA5D22EF8BD6EE9A1CA03BF593434E43922EE8B94FFA1691FBD385CB'),('MODERATOR','9D79E6F5DA36D67EAE22B95B707A248F4AAD2B0FA1E0C8887BCD291512B30B37'),('PLAYER','CD34EDD0D4BCAD39CE78D2EB30627D82720389061F3E6056836F656B37EFAE3D'),('STALE','C922265D29610C74F20FE732683D8DF8AA16758E346DAA83F9F44289227C53FF'),('SAMEIP','D0F5879943B6E3003FF6E11425CE65B37A5A3F6A60FB7D092E167684B5CF1955'),('NOCHARS','FFBE9857E8EBB4A5ABBB561E8275F038B3A09BB4A8E853FFDFE13157137E52B9'),('BANNED','BA8823977D60255D460C89CA88DEC5733AE4830312A1D3E048E8483DD32D2B0B')]]"
-- sessionkey: K (40 bytes) as BN_bn2hex(), written at every login; NULL for
-- an account that never logged in. Placeholder values here:
-- SHA1("K1 NAME") || SHA1("K2 NAME"), upper-case hex.
-- `gmlevel` stays 0: the server reads and writes GM levels in account_access.
-- `locked` is a bit mask (1 IP lock, 2 fixed PIN, 4 TOTP, 8 always enforce).
-- `mutetime` is the unix time the mute ends (0 = not muted).
-- `online`/`current_realm` are set while a character is in the world.
-- `last_login` of an account that never logged in keeps its zero default.
INSERT INTO `account` (`id`, `username`, `gmlevel`, `sessionkey`, `v`, `s`, `token_key`, `email`, `joindate`, `last_ip`, `failed_logins`, `locked`, `lock_country`, `last_login`, `online`, `expansion`, `mutetime`, `locale`, `os`, `platform`, `current_realm`, `flags`, `security`, `email_verif`, `geolock_pin`) VALUES
(1, 'ADMINISTRATOR', 0, '4473959303B78A00DA9DB9EAD0E26A0446D41F71D6C50C0AD1546FF6C492FD54D0F34FB96BB7C2F5',
    '2072EB8C2C6B10E60D0433D6713953DF976C8E159FB99C5241FA28E7FBBCD2E3',
    '8CC276EF23F4B0496AFF35450CB08DB8C0F8A919F6317B81CBEF396DE3632959',
    '', 'admin@example.org', '2024-01-01 10:00:00', '127.0.0.1', 0, 1, '00', NOW() - INTERVAL 1 DAY, 0, 0, 0, 0, 'Win', 'x86', 0, 0, NULL, 1, 0),
(2, 'GAMEMASTER', 0, '57D5491221157069C043593B44F0D1F1353D9FF8BAE4132E26BC9ACA4AE065F7F5D700F668D9492D',
    '03D63108D9DD3CE5F5D77EEDF9FF3B37B297E1BF492E965ED95CBD7FEDEE2526',
    'C4D648E0EA5D22EF8BD6EE9A1CA03BF593434E43922EE8B94FFA1691FBD385CB',
    '', 'gm@example.org', '2024-01-02 11:00:00', '192.168.1.10', 0, 0, '00', NOW() - INTERVAL 2 DAY, 0, 0, 0, 0, 'OSX', 'x86', 0, 0, NULL, 1, 0),
(3, 'MODERATOR', 0, 'E49B1A563D850E8BD21806F7070D2879E75A64672FC4271CD10F7E03AFF79825F008E395E19474D2',
    '4F8DE82FD581533F32F4479833DF391014D17F24E1E8A415286029878525DE0B',
    '9D79E6F5DA36D67EAE22B95B707A248F4AAD2B0FA1E0C8887BCD291512B30B37',
    '', 'mod@example.org', '2024-02-10 19:45:00', '192.168.1.11', 0, 0, '00', NOW() - INTERVAL 4 DAY, 0, 0, 0, 0, 'Win', 'x86', 0, 0, NULL, 1, 0),
(4, 'PLAYER', 0, '7B21CF74D1812EA998EF67A94899E8617490F645026C8A7129DDDC36561A4470CADD3A8995053E21',
    '2AF707EB3B9A8632CF0291DBF9CF8C37BD5D2E0FB0F3EA4BFA6F16C0DA4D7245',
    'CD34EDD0D4BCAD39CE78D2EB30627D82720389061F3E6056836F656B37EFAE3D',
    '', 'игрок@почта.рф', '2024-03-15 08:20:00', '192.168.1.20', 0, 0, '00', NOW() - INTERVAL 0 DAY, 1, 0, 0, 8, 'Win', 'x86', 1, 0, NULL, 1, 0),
(5, 'STALE', 0, 'B2E210A52328CF3E8E9FFAAE60AAF1DD4B08DA65EAAA39A18AB556314E0A1156294CF3943147E71E',
    '628DC1924756E24E09C9D3B2643095EEF84FF191DFC1546EC2F322FF1E197919',
    'C922265D29610C74F20FE732683D8DF8AA16758E346DAA83F9F44289227C53FF',
    '', 'stale@example.org', '2018-11-02 18:30:00', '10.0.0.5', 0, 0, '00', '2019-01-15 10:00:00', 0, 0, 1547550000, 0, 'Win', 'x86', 0, 0, NULL, 0, 0),
(6, 'SAMEIP', 0, '6EEA5F52F972866FB8A18A05C2043E9BD3D1EDE82004E81D786ECCBCC8A213E73F95D7A47CE174D1',
    '3783D0D54FD129E2D6F1204CC4F2521FC326D75E6167DDF79C6225FEAD4CBFD6',
    'D0F5879943B6E3003FF6E11425CE65B37A5A3F6A60FB7D092E167684B5CF1955',
    '', 'sameip@example.org', '2024-03-15 08:40:00', '192.168.1.20', 2, 0, '00', NOW() - INTERVAL 5 DAY, 0, 0, UNIX_TIMESTAMP(NOW() + INTERVAL 1 DAY), 0, 'Win', 'x86', 0, 0, NULL, 1, 0),
(7, 'NOCHARS', 0, 'AA56692481E357B830EC1C27DF516CE6D05FC9C649C9886F853ED1B6A6195F52CE40970B74E9AD8B',
    '9FCC75AFA61558DA62E6FE8F0934FB2EDA2AB432174E3D45DC8C2956469A39',
    'FFBE9857E8EBB4A5ABBB561E8275F038B3A09BB4A8E853FFDFE13157137E52B9',
    '', NULL, '2025-02-01 12:00:00', '172.16.0.7', 0, 0, '00', NOW() - INTERVAL 7 DAY, 0, 0, 0, 0, 'Win', 'x86', 0, 0, NULL, 0, 0);
-- BANNED never logged in: no session key, default last_ip, zero last_login.
INSERT INTO `account` (`id`, `username`, `v`, `s`, `email`, `joindate`) VALUES
(8, 'BANNED',
    '7CA83A95D374ED66D2B53B20586C9361383847EE596D217B45777B4404EAC89A',
    'BA8823977D60255D460C89CA88DEC5733AE4830312A1D3E048E8483DD32D2B0B',
    'spam@example.net', '2024-02-20 09:00:00');

-- GM levels: one row per (account, realm); RealmID -1 = every realm. A
-- realm's own row wins over the -1 row (WorldSocket.cpp: ORDER BY RealmID
-- DESC LIMIT 1). No row = level 0.
INSERT INTO `account_access` (`id`, `gmlevel`, `RealmID`) VALUES
(1, 3, -1),
(2, 2, 1),
(3, 1, -1);

-- Bans: unix times; permanent = unbandate equal to bandate; `active` 0 once
-- lifted or expired (realmd sets active 0 on expired bans at start-up).
-- bannedby = the GM's character name, '' when banned from the console.
-- `realm` = realm where the ban was issued; `gmlevel` = lowest GM level that
-- may read the reason (never written by the server, 0).
-- Account 4's lift: vmangos sets active 0 AND adds an "UNBAN: ..." note row
-- (active 0, unbandate = bandate + 1) to the same table.
INSERT INTO `account_banned` (`banid`, `id`, `bandate`, `unbandate`, `bannedby`, `banreason`, `active`, `realm`, `gmlevel`) VALUES
(1, 8, 1709294400, 1709899200, 'Gmchar', 'Advertising in account name', 0, 2, 0),
(2, 8, 1748779200, 1893456000, 'Adminchar', 'Gold selling', 1, 1, 0),
(3, 4, UNIX_TIMESTAMP(NOW() - INTERVAL 3 DAY), UNIX_TIMESTAMP(NOW() - INTERVAL 3 DAY) + 2592000, 'Gmchar', 'Insulting other players', 0, 1, 0),
(4, 4, UNIX_TIMESTAMP(NOW() - INTERVAL 2 DAY), UNIX_TIMESTAMP(NOW() - INTERVAL 2 DAY) + 1, 'Adminchar', 'UNBAN: appeal accepted', 0, 1, 0),
(5, 555, 1735689600, 1735689600, '', 'Botting', 1, 1, 0);

-- IP bans: permanent = unbandate equal to bandate. The world server deletes
-- expired IP bans at start-up; 10.10.10.10 is one it has not deleted yet.
INSERT INTO `ip_banned` (`ip`, `bandate`, `unbandate`, `bannedby`, `banreason`) VALUES
('203.0.113.77', 1735689600, 1735689600, 'Adminchar', 'Brute force on the login server'),
('10.10.10.10', 1700000000, 1700086400, '', 'Реклама');

-- Realms. realmflags: 1 invalid (hidden), 2 offline, 4 show build,
-- 0x20 new players, 0x40 recommended. icon 1 = PvP. timezone = RealmZone
-- (12 Russian, 1 development). realmbuilds: written by mangosd at start,
-- space-separated with a trailing space. gamebuild_min/max and flag are
-- legacy columns the server does not read.
INSERT INTO `realmlist` (`id`, `name`, `address`, `localAddress`, `localSubnetMask`, `port`, `icon`, `realmflags`, `timezone`, `allowedSecurityLevel`, `population`, `gamebuild_min`, `gamebuild_max`, `flag`, `realmbuilds`) VALUES
(1, 'Вечный Огонь', '127.0.0.1', '127.0.0.1', '255.255.255.0', 8085, 1, 0, 12, 0, 0.02, 0, 0, 2, '5875 6005 6141 '),
(2, 'Northwind', '192.168.1.50', '192.168.1.50', '255.255.255.0', 8086, 0, 2, 1, 1, 0, 0, 0, 2, '5302 ');

-- Characters per account and realm (one row per realm made at account
-- creation, numchars kept up to date by the world server).
INSERT INTO `realmcharacters` (`realmid`, `acctid`, `numchars`) VALUES
(1, 1, 1), (1, 2, 1), (1, 3, 1), (1, 4, 2), (1, 5, 0), (1, 6, 0), (1, 7, 0), (1, 8, 0),
(2, 1, 0), (2, 2, 0), (2, 3, 0), (2, 4, 0), (2, 5, 0), (2, 6, 0), (2, 7, 0), (2, 8, 0);

INSERT INTO `migrations` (`id`) VALUES
('20210830151515'), ('20220826100652'), ('20221111031829'), ('20221117065844'), ('20240107103630');

-- ===========================================================================
-- vm_characters
-- ===========================================================================
USE `vm_characters`;

-- from vmangos/core 8e4b5f23fa sql/characters.sql
--   + sql/migrations/20241002031703_characters.sql (`instance_id` after `map`)
CREATE TABLE `characters` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `account` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Account Identifier',
  `name` varchar(12) NOT NULL DEFAULT '',
  `race` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `class` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `gender` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `skin` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `face` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `hair_style` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `hair_color` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `facial_hair` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `level` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `xp` int(10) unsigned NOT NULL DEFAULT '0',
  `money` int(10) unsigned NOT NULL DEFAULT '0',
  `player_flags` int(10) unsigned NOT NULL DEFAULT '0',
  `zone` int(11) unsigned NOT NULL DEFAULT '0',
  `map` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Map Identifier',
  `instance_id` int(11) unsigned NOT NULL DEFAULT '0',
  `position_x` float NOT NULL DEFAULT '0',
  `position_y` float NOT NULL DEFAULT '0',
  `position_z` float NOT NULL DEFAULT '0',
  `orientation` float NOT NULL DEFAULT '0',
  `transport_guid` bigint(20) unsigned NOT NULL DEFAULT '0',
  `transport_x` float NOT NULL DEFAULT '0',
  `transport_y` float NOT NULL DEFAULT '0',
  `transport_z` float NOT NULL DEFAULT '0',
  `transport_o` float NOT NULL DEFAULT '0',
  `known_taxi_mask` longtext COMMENT 'discovered flight points',
  `current_taxi_path` text COMMENT 'flight destination',
  `online` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `played_time_total` int(11) unsigned NOT NULL DEFAULT '0',
  `played_time_level` int(11) unsigned NOT NULL DEFAULT '0',
  `create_time` bigint(20) unsigned NOT NULL DEFAULT '0',
  `logout_time` bigint(20) unsigned NOT NULL DEFAULT '0',
  `is_logout_resting` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `rest_bonus` float NOT NULL DEFAULT '0',
  `reset_talents_multiplier` int(11) unsigned NOT NULL DEFAULT '0',
  `reset_talents_time` bigint(20) unsigned NOT NULL DEFAULT '0',
  `death_expire_time` bigint(20) unsigned NOT NULL DEFAULT '0',
  `stable_slots` tinyint(1) unsigned NOT NULL DEFAULT '0',
  `bank_bag_slots` tinyint(1) unsigned NOT NULL DEFAULT '0',
  `at_login_flags` int(11) unsigned NOT NULL DEFAULT '0',
  `extra_flags` int(11) unsigned NOT NULL DEFAULT '0',
  `honor_rank_points` float NOT NULL DEFAULT '0',
  `honor_highest_rank` int(11) unsigned NOT NULL DEFAULT '0',
  `honor_standing` int(11) unsigned NOT NULL DEFAULT '0',
  `honor_last_week_hk` int(11) unsigned NOT NULL DEFAULT '0',
  `honor_last_week_cp` float NOT NULL DEFAULT '0',
  `honor_stored_hk` int(11) NOT NULL DEFAULT '0',
  `honor_stored_dk` int(11) NOT NULL DEFAULT '0',
  `watched_faction` int(11) NOT NULL DEFAULT '-1',
  `drunk` smallint(5) unsigned NOT NULL DEFAULT '0',
  `health` int(10) unsigned NOT NULL DEFAULT '0',
  `power1` int(10) unsigned NOT NULL DEFAULT '0',
  `power2` int(10) unsigned NOT NULL DEFAULT '0',
  `power3` int(10) unsigned NOT NULL DEFAULT '0',
  `power4` int(10) unsigned NOT NULL DEFAULT '0',
  `power5` int(10) unsigned NOT NULL DEFAULT '0',
  `explored_zones` longtext,
  `equipment_cache` longtext,
  `ammo_id` int(10) unsigned NOT NULL DEFAULT '0',
  `action_bars` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `deleted_account` int(11) unsigned DEFAULT NULL,
  `deleted_name` varchar(12) DEFAULT NULL,
  `deleted_time` bigint(20) DEFAULT NULL,
  `world_phase_mask` int(11) DEFAULT '0',
  PRIMARY KEY (`guid`),
  KEY `idx_account` (`account`),
  KEY `idx_online` (`online`),
  KEY `idx_name` (`name`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Player System';

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `character_action` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `button` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `action` int(11) unsigned NOT NULL DEFAULT '0',
  `type` tinyint(3) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`button`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Player System';

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `character_aura` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `caster_guid` bigint(20) unsigned NOT NULL DEFAULT '0' COMMENT 'Full Global Unique Identifier',
  `item_guid` int(11) unsigned NOT NULL DEFAULT '0',
  `spell` int(11) unsigned NOT NULL DEFAULT '0',
  `stacks` int(11) unsigned NOT NULL DEFAULT '1',
  `charges` int(11) unsigned NOT NULL DEFAULT '0',
  `base_points0` float NOT NULL DEFAULT '0',
  `base_points1` float NOT NULL DEFAULT '0',
  `base_points2` float NOT NULL DEFAULT '0',
  `periodic_time0` int(11) unsigned NOT NULL DEFAULT '0',
  `periodic_time1` int(11) unsigned NOT NULL DEFAULT '0',
  `periodic_time2` int(11) unsigned NOT NULL DEFAULT '0',
  `max_duration` int(11) NOT NULL DEFAULT '0',
  `duration` int(11) NOT NULL DEFAULT '0',
  `effect_index_mask` tinyint(3) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`caster_guid`,`item_guid`,`spell`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Player System';

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `character_battleground_data` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `instance_id` int(11) unsigned NOT NULL DEFAULT '0',
  `team` int(11) unsigned NOT NULL DEFAULT '0',
  `join_x` float NOT NULL DEFAULT '0',
  `join_y` float NOT NULL DEFAULT '0',
  `join_z` float NOT NULL DEFAULT '0',
  `join_o` float NOT NULL DEFAULT '0',
  `join_map` int(11) NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Player System';

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `character_deleted_items` (
  `id` int(11) unsigned NOT NULL AUTO_INCREMENT,
  `player_guid` int(11) unsigned NOT NULL DEFAULT '0',
  `item_id` mediumint(8) unsigned NOT NULL DEFAULT '0',
  `stack_count` mediumint(8) unsigned NOT NULL DEFAULT '1',
  PRIMARY KEY (`id`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8 COLLATE=utf8_unicode_ci;

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `character_homebind` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `map` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Map Identifier',
  `zone` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Zone Identifier',
  `position_x` float NOT NULL DEFAULT '0',
  `position_y` float NOT NULL DEFAULT '0',
  `position_z` float NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Player System';

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `character_honor_cp` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `victim_type` tinyint(3) unsigned NOT NULL DEFAULT '4' COMMENT 'Object Type Id',
  `victim_id` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Creature Id / Player Guid',
  `cp` float NOT NULL DEFAULT '0',
  `date` int(11) unsigned NOT NULL DEFAULT '0',
  `type` tinyint(3) unsigned NOT NULL DEFAULT '0',
  KEY `idx_guid` (`guid`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Player System';

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `character_instance` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0',
  `instance` int(11) unsigned NOT NULL DEFAULT '0',
  `permanent` tinyint(1) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`instance`),
  KEY `idx_instance` (`instance`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8;

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `character_inventory` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `bag` int(11) unsigned NOT NULL DEFAULT '0',
  `slot` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `item_guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Item Global Unique Identifier',
  `item_id` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Item Identifier',
  PRIMARY KEY (`item_guid`),
  KEY `idx_guid` (`guid`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Player System';

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `character_pet` (
  `id` int(11) unsigned NOT NULL DEFAULT '0',
  `entry` int(11) unsigned NOT NULL DEFAULT '0',
  `owner_guid` int(11) unsigned NOT NULL DEFAULT '0',
  `display_id` int(11) unsigned DEFAULT '0',
  `created_by_spell` int(11) unsigned NOT NULL DEFAULT '0',
  `pet_type` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `level` int(11) unsigned NOT NULL DEFAULT '1',
  `xp` int(11) unsigned NOT NULL DEFAULT '0',
  `react_state` tinyint(1) unsigned NOT NULL DEFAULT '0',
  `loyalty_points` int(11) NOT NULL DEFAULT '0',
  `loyalty` int(11) unsigned NOT NULL DEFAULT '0',
  `training_points` int(11) NOT NULL DEFAULT '0',
  `name` varchar(100) DEFAULT 'Pet',
  `renamed` tinyint(1) unsigned NOT NULL DEFAULT '0',
  `slot` int(11) unsigned NOT NULL DEFAULT '0',
  `current_health` int(11) unsigned NOT NULL DEFAULT '1',
  `current_mana` int(11) unsigned NOT NULL DEFAULT '0',
  `current_happiness` int(11) unsigned NOT NULL DEFAULT '0',
  `save_time` bigint(20) unsigned NOT NULL DEFAULT '0',
  `reset_talents_cost` int(11) unsigned NOT NULL DEFAULT '0',
  `reset_talents_time` bigint(20) unsigned NOT NULL DEFAULT '0',
  `action_bar_data` longtext,
  `teach_spell_data` longtext,
  PRIMARY KEY (`id`),
  KEY `idx_owner` (`owner_guid`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Pet System';

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `character_queststatus` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `quest` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Quest Identifier',
  `status` int(11) unsigned NOT NULL DEFAULT '0',
  `rewarded` tinyint(1) unsigned NOT NULL DEFAULT '0',
  `explored` tinyint(1) unsigned NOT NULL DEFAULT '0',
  `timer` bigint(20) unsigned NOT NULL DEFAULT '0',
  `mob_count1` int(11) unsigned NOT NULL DEFAULT '0',
  `mob_count2` int(11) unsigned NOT NULL DEFAULT '0',
  `mob_count3` int(11) unsigned NOT NULL DEFAULT '0',
  `mob_count4` int(11) unsigned NOT NULL DEFAULT '0',
  `item_count1` int(11) unsigned NOT NULL DEFAULT '0',
  `item_count2` int(11) unsigned NOT NULL DEFAULT '0',
  `item_count3` int(11) unsigned NOT NULL DEFAULT '0',
  `item_count4` int(11) unsigned NOT NULL DEFAULT '0',
  `reward_choice` int(11) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`quest`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Player System';

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `character_reputation` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `faction` int(11) unsigned NOT NULL DEFAULT '0',
  `standing` int(11) NOT NULL DEFAULT '0',
  `flags` int(11) NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`faction`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Player System';

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `character_skills` (
  `guid` int(11) unsigned NOT NULL COMMENT 'Global Unique Identifier',
  `skill` mediumint(9) unsigned NOT NULL,
  `value` mediumint(9) unsigned NOT NULL,
  `max` mediumint(9) unsigned NOT NULL,
  PRIMARY KEY (`guid`,`skill`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Player System';

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `character_social` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Character Global Unique Identifier',
  `friend` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Friend Global Unique Identifier',
  `flags` tinyint(1) unsigned NOT NULL DEFAULT '0' COMMENT 'Friend Flags',
  PRIMARY KEY (`guid`,`friend`,`flags`),
  KEY `idx_guid` (`guid`),
  KEY `idx_friend` (`friend`),
  KEY `idx_guid_flags` (`guid`,`flags`),
  KEY `idx_friend_flags` (`friend`,`flags`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Player System';

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `character_spell` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `spell` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Spell Identifier',
  `active` tinyint(3) unsigned NOT NULL DEFAULT '1',
  `disabled` tinyint(3) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`spell`),
  KEY `idx_spell` (`spell`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Player System';

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `character_spell_cooldown` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier, Low part',
  `spell` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Spell Identifier',
  `spell_expire_time` bigint(20) unsigned NOT NULL DEFAULT '0' COMMENT 'Spell cooldown expire time',
  `category` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Spell category',
  `category_expire_time` bigint(20) unsigned NOT NULL DEFAULT '0' COMMENT 'Spell category cooldown expire time',
  `item_id` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Item Identifier',
  PRIMARY KEY (`guid`,`spell`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8;

-- from vmangos/core 8e4b5f23fa sql/characters.sql
--   + sql/migrations/20220813085336_characters.sql (`spell_crit_chance`,
--     `spell_damage`, `spell_healing` added)
CREATE TABLE `character_stats` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier, Low part',
  `max_health` int(10) unsigned NOT NULL DEFAULT '0',
  `max_power1` int(10) unsigned NOT NULL DEFAULT '0',
  `max_power2` int(10) unsigned NOT NULL DEFAULT '0',
  `max_power3` int(10) unsigned NOT NULL DEFAULT '0',
  `max_power4` int(10) unsigned NOT NULL DEFAULT '0',
  `max_power5` int(10) unsigned NOT NULL DEFAULT '0',
  `max_power6` int(10) unsigned NOT NULL DEFAULT '0',
  `max_power7` int(10) unsigned NOT NULL DEFAULT '0',
  `strength` float NOT NULL DEFAULT '0',
  `agility` float NOT NULL DEFAULT '0',
  `stamina` float NOT NULL DEFAULT '0',
  `intellect` float NOT NULL DEFAULT '0',
  `spirit` float NOT NULL DEFAULT '0',
  `armor` int(10) NOT NULL DEFAULT '0',
  `holy_res` int(10) NOT NULL DEFAULT '0',
  `fire_res` int(10) NOT NULL DEFAULT '0',
  `nature_res` int(10) NOT NULL DEFAULT '0',
  `frost_res` int(10) NOT NULL DEFAULT '0',
  `shadow_res` int(10) NOT NULL DEFAULT '0',
  `arcane_res` int(10) NOT NULL DEFAULT '0',
  `block_chance` float NOT NULL DEFAULT '0',
  `dodge_chance` float NOT NULL DEFAULT '0',
  `parry_chance` float NOT NULL DEFAULT '0',
  `crit_chance` float NOT NULL DEFAULT '0',
  `ranged_crit_chance` float NOT NULL DEFAULT '0',
  `spell_crit_chance` float NOT NULL DEFAULT '0',
  `attack_power` int(10) unsigned NOT NULL DEFAULT '0',
  `ranged_attack_power` int(10) unsigned NOT NULL DEFAULT '0',
  `spell_damage` int(10) unsigned NOT NULL DEFAULT '0',
  `spell_healing` int(10) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8;

-- from vmangos/core 8e4b5f23fa sql/migrations/20221001202815_characters.sql
CREATE TABLE `character_account_data` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0',
  `type` int(11) unsigned NOT NULL DEFAULT '0',
  `time` bigint(11) unsigned NOT NULL DEFAULT '0',
  `data` longblob NOT NULL,
  PRIMARY KEY (`guid`,`type`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8;

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `corpse` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `player_guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Character Global Unique Identifier',
  `position_x` float NOT NULL DEFAULT '0',
  `position_y` float NOT NULL DEFAULT '0',
  `position_z` float NOT NULL DEFAULT '0',
  `orientation` float NOT NULL DEFAULT '0',
  `map` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Map Identifier',
  `time` bigint(20) unsigned NOT NULL DEFAULT '0',
  `corpse_type` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `instance` int(11) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`),
  KEY `idx_type` (`corpse_type`),
  KEY `idx_instance` (`instance`),
  KEY `idx_player` (`player_guid`),
  KEY `idx_time` (`time`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Death System';

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `groups` (
  `group_id` int(11) unsigned NOT NULL,
  `leader_guid` int(11) unsigned NOT NULL,
  `main_tank_guid` int(11) unsigned NOT NULL,
  `main_assistant_guid` int(11) unsigned NOT NULL,
  `loot_method` tinyint(4) unsigned NOT NULL,
  `loot_threshold` tinyint(4) unsigned NOT NULL,
  `looter_guid` int(11) unsigned NOT NULL,
  `icon1` int(11) unsigned NOT NULL,
  `icon2` int(11) unsigned NOT NULL,
  `icon3` int(11) unsigned NOT NULL,
  `icon4` int(11) unsigned NOT NULL,
  `icon5` int(11) unsigned NOT NULL,
  `icon6` int(11) unsigned NOT NULL,
  `icon7` int(11) unsigned NOT NULL,
  `icon8` int(11) unsigned NOT NULL,
  `is_raid` tinyint(1) unsigned NOT NULL,
  PRIMARY KEY (`group_id`),
  UNIQUE KEY `key_leaderGuid` (`leader_guid`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=FIXED COMMENT='Groups';

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `group_member` (
  `group_id` int(11) unsigned NOT NULL,
  `member_guid` int(11) unsigned NOT NULL,
  `assistant` tinyint(1) unsigned NOT NULL,
  `subgroup` smallint(6) unsigned NOT NULL,
  PRIMARY KEY (`group_id`,`member_guid`),
  KEY `idx_memberGuid` (`member_guid`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=FIXED COMMENT='Groups';

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `item_instance` (
  `guid` int(10) unsigned NOT NULL DEFAULT '0',
  `item_id` mediumint(8) unsigned NOT NULL DEFAULT '0',
  `owner_guid` int(10) unsigned NOT NULL DEFAULT '0',
  `creator_guid` int(10) unsigned NOT NULL DEFAULT '0',
  `gift_creator_guid` int(10) unsigned NOT NULL DEFAULT '0',
  `count` int(10) unsigned NOT NULL DEFAULT '1',
  `duration` int(10) NOT NULL DEFAULT '0',
  `charges` tinytext,
  `flags` mediumint(8) unsigned NOT NULL DEFAULT '0',
  `enchantments` text NOT NULL,
  `random_property_id` smallint(5) NOT NULL DEFAULT '0',
  `durability` smallint(5) unsigned NOT NULL DEFAULT '0',
  `text` int(10) unsigned NOT NULL DEFAULT '0',
  `generated_loot` tinyint(4) DEFAULT '0',
  PRIMARY KEY (`guid`),
  KEY `idx_owner_guid` (`owner_guid`),
  KEY `idx_itemEntry` (`item_id`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8 COMMENT='Item System';

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `mail` (
  `id` int(11) unsigned NOT NULL AUTO_INCREMENT COMMENT 'Identifier',
  `message_type` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `stationery` tinyint(3) NOT NULL DEFAULT '41',
  `mail_template_id` mediumint(8) unsigned NOT NULL DEFAULT '0',
  `sender_guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Character Global Unique Identifier',
  `receiver_guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Character Global Unique Identifier',
  `subject` longtext,
  `item_text_id` int(11) unsigned NOT NULL DEFAULT '0',
  `has_items` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `expire_time` bigint(40) NOT NULL DEFAULT '0',
  `deliver_time` bigint(40) NOT NULL DEFAULT '0',
  `money` int(11) unsigned NOT NULL DEFAULT '0',
  `cod` int(11) unsigned NOT NULL DEFAULT '0',
  `checked` tinyint(3) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`id`),
  KEY `idx_receiver` (`receiver_guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC COMMENT='Mail System';

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `mail_items` (
  `mail_id` int(11) unsigned NOT NULL DEFAULT '0',
  `item_guid` int(11) unsigned NOT NULL DEFAULT '0',
  `item_id` int(11) unsigned NOT NULL DEFAULT '0',
  `receiver_guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Character Global Unique Identifier',
  PRIMARY KEY (`mail_id`,`item_guid`),
  KEY `idx_receiver` (`receiver_guid`),
  KEY `idx_item_guid` (`item_guid`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 ROW_FORMAT=DYNAMIC;

-- from vmangos/core 8e4b5f23fa sql/characters.sql
CREATE TABLE `migrations` (
  `id` varchar(255) NOT NULL,
  PRIMARY KEY (`id`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8;

-- Characters. Race/class: 1 Human, 2 Orc, 3 Dwarf, 4 Night Elf;
-- 1 Warrior, 2 Paladin, 3 Hunter, 4 Rogue, 5 Priest, 9 Warlock. Level cap 60.
-- known_taxi_mask: 8 numbers, explored_zones: 64 numbers, equipment_cache:
-- 19 x (item entry, enchant pair) + 1 x (first bag entry, 0); every list is
-- space-separated WITH a trailing space, as Player::SaveToDB writes it.
-- power1..5 = mana, rage, focus, energy, happiness.
-- at_login_flags: 1 rename, 2 reset spells, 4 reset talents, 0x20 first login.
-- player_flags 0x10 = ghost. transport_guid = low GUID of the transport.
INSERT INTO `characters` (`guid`, `account`, `name`, `race`, `class`, `gender`, `skin`, `face`, `hair_style`, `hair_color`, `facial_hair`, `level`, `xp`, `money`, `player_flags`, `zone`, `map`, `instance_id`, `position_x`, `position_y`, `position_z`, `orientation`, `transport_guid`, `transport_x`, `transport_y`, `transport_z`, `transport_o`, `known_taxi_mask`, `current_taxi_path`, `online`, `played_time_total`, `played_time_level`, `create_time`, `logout_time`, `is_logout_resting`, `rest_bonus`, `reset_talents_multiplier`, `reset_talents_time`, `death_expire_time`, `stable_slots`, `bank_bag_slots`, `at_login_flags`, `extra_flags`, `honor_rank_points`, `honor_highest_rank`, `honor_standing`, `honor_last_week_hk`, `honor_last_week_cp`, `honor_stored_hk`, `honor_stored_dk`, `watched_faction`, `drunk`, `health`, `power1`, `power2`, `power3`, `power4`, `power5`, `explored_zones`, `equipment_cache`, `ammo_id`, `action_bars`, `deleted_account`, `deleted_name`, `deleted_time`, `world_phase_mask`) VALUES
(1, 1, 'Adminchar', 1, 1, 0, 4, 2, 5, 1, 3, 60, 0, 12345678, 0, 1519, 0, 0, -8833.38, 628.628, 94.0066, 1.06535, 0, 0, 0, 0, 0,
    '42 0 0 0 0 0 0 0 ', '', 0, 1036800, 172800, 1704103200, UNIX_TIMESTAMP(NOW() - INTERVAL 1 DAY), 1, 0, 1, 1712000000, 0, 0, 2, 0, 0,
    0, 0, 0, 0, 0, 0, 0, -1, 0, 4120, 0, 0, 0, 0, 0,
    '15438 1792 192 48 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',
    '0 0 0 0 0 0 38 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2361 0 0 0 0 0 0 0 4500 0 ',
    0, 3, NULL, NULL, NULL, 0),
(2, 2, 'Gmchar', 3, 2, 0, 2, 4, 3, 6, 2, 60, 0, 250000, 0, 1537, 0, 0, -4918.88, -940.406, 501.564, 5.42347, 0, 0, 0, 0, 0,
    '32 0 0 0 0 0 0 0 ', '', 0, 720000, 90000, 1704193200, UNIX_TIMESTAMP(NOW() - INTERVAL 2 DAY), 1, 0, 0, 0, 0, 0, 1, 0, 0,
    0, 0, 0, 0, 0, 0, 0, -1, 0, 3800, 4200, 0, 0, 0, 0,
    '3221225696 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',
    '0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',
    0, 0, NULL, NULL, NULL, 0),
(3, 4, 'Online', 4, 3, 1, 3, 1, 4, 2, 0, 24, 8450, 53210, 0, 1657, 1, 0, 9947.52, 2482.73, 1316.21, 0, 0, 0, 0, 0, 0,
    '0 0 0 0 0 0 0 0 ', '', 1, 86400, 5400, 1710491000, UNIX_TIMESTAMP(NOW() - INTERVAL 10 MINUTE), 0, 1200, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, -1, 0, 640, 510, 0, 0, 0, 0,
    '0 0 0 0 0 0 3840 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',
    '0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',
    0, 0, NULL, NULL, NULL, 0),
(4, 99, 'Orphan', 1, 9, 1, 1, 3, 2, 4, 0, 12, 3200, 1575, 0, 12, 0, 0, -9449.06, 64.8392, 56.3581, 3.07047, 0, 0, 0, 0, 0,
    '2 0 0 0 0 0 0 0 ', '', 0, 28800, 3600, 1733000000, 1735000000, 1, 450, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, -1, 0, 210, 305, 0, 0, 0, 0,
    '14 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',
    '0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 35 0 0 0 0 0 0 0 0 0 ',
    0, 0, NULL, NULL, NULL, 0),
(5, 4, 'Иван', 1, 5, 0, 0, 1, 1, 0, 1, 5, 1100, 84, 0, 12, 0, 0, -8949.95, -132.493, 83.5312, 0, 0, 0, 0, 0, 0,
    '0 0 0 0 0 0 0 0 ', '', 0, 2400, 600, 1760000000, UNIX_TIMESTAMP(NOW() - INTERVAL 10 DAY), 0, 0, 0, 0, 0, 0, 0, 1, 0,
    0, 0, 0, 0, 0, 0, 0, -1, 0, 96, 160, 0, 0, 0, 0,
    '2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',
    '0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',
    0, 0, NULL, NULL, NULL, 0),
(6, 3, 'Stuck', 2, 4, 0, 5, 2, 6, 3, 4, 30, 21000, 98765, 16, 0, 1, 0, 1425.3, -4372.8, 92.7, 2.44, 3, 3.74, -1.22, 18.92, 3.14,
    '20971520 0 0 0 0 0 0 0 ', '', 0, 302400, 14400, 1712345678, UNIX_TIMESTAMP(NOW() - INTERVAL 4 DAY), 0, 0, 0, 0, UNIX_TIMESTAMP(NOW() - INTERVAL 4 DAY) + 60, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, -1, 0, 1, 0, 0, 0, 100, 0,
    '0 0 0 0 0 0 0 0 0 12611584 7168 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',
    '0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',
    0, 0, NULL, NULL, NULL, 0);

-- Items: character_inventory links the character (guid), the container
-- (bag = item GUID of the bag, 0 = the character itself), the slot (0-18
-- equipment, 19-22 bags, 23-38 backpack; inside a bag 0..n), the item GUID
-- (item_guid = item_instance.guid) and the template entry (item_id, copied
-- in item_instance.item_id). charges: 5 numbers; enchantments: 7 x 3 numbers.
--   101 shirt (equipped), 102 two-hand mace (equipped, template with two
--   patch rows), 103 bag, 104/105 inside the bag (105: template 99999 does
--   not exist), 106 potions in the backpack; 401 Orphan's staff; 402 sent by
--   mail to Orphan (mail_items only).
INSERT INTO `item_instance` (`guid`, `item_id`, `owner_guid`, `creator_guid`, `gift_creator_guid`, `count`, `duration`, `charges`, `flags`, `enchantments`, `random_property_id`, `durability`, `text`, `generated_loot`) VALUES
(101, 38, 1, 0, 0, 1, 0, '0 0 0 0 0 ', 1, '0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ', 0, 0, 0, 0),
(102, 2361, 1, 0, 0, 1, 0, '0 0 0 0 0 ', 1, '0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ', 0, 25, 0, 0),
(103, 4500, 1, 0, 0, 1, 0, '0 0 0 0 0 ', 0, '0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ', 0, 0, 0, 0),
(104, 2589, 1, 0, 0, 20, 0, '0 0 0 0 0 ', 0, '0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ', 0, 0, 0, 0),
(105, 99999, 1, 0, 0, 1, 0, '0 0 0 0 0 ', 0, '0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ', 0, 0, 0, 0),
(106, 118, 1, 0, 0, 5, 0, '-1 0 0 0 0 ', 0, '0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ', 0, 0, 0, 0),
(401, 35, 4, 0, 0, 1, 0, '0 0 0 0 0 ', 1, '0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ', 0, 25, 0, 0),
(402, 2589, 4, 1, 0, 5, 0, '0 0 0 0 0 ', 0, '0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ', 0, 0, 0, 0);

INSERT INTO `character_inventory` (`guid`, `bag`, `slot`, `item_guid`, `item_id`) VALUES
(1, 0, 3, 101, 38),
(1, 0, 15, 102, 2361),
(1, 0, 19, 103, 4500),
(1, 103, 0, 104, 2589),
(1, 103, 1, 105, 99999),
(1, 0, 23, 106, 118),
(4, 0, 15, 401, 35);

-- Quests: status 1 complete, 3 incomplete; a rewarded quest is kept here
-- with rewarded = 1 (no separate table). timer = the unix time of the save
-- plus the remaining time limit (quests without a limit: just the save time).
-- 99998 has no template.
INSERT INTO `character_queststatus` (`guid`, `quest`, `status`, `rewarded`, `explored`, `timer`, `mob_count1`, `mob_count2`, `mob_count3`, `mob_count4`, `item_count1`, `item_count2`, `item_count3`, `item_count4`, `reward_choice`) VALUES
(1, 783, 1, 1, 0, UNIX_TIMESTAMP(NOW() - INTERVAL 1 DAY), 0, 0, 0, 0, 0, 0, 0, 0, 0),
(1, 7, 3, 0, 0, UNIX_TIMESTAMP(NOW() - INTERVAL 1 DAY), 4, 0, 0, 0, 0, 0, 0, 0, 0),
(1, 99998, 3, 0, 0, UNIX_TIMESTAMP(NOW() - INTERVAL 1 DAY), 0, 0, 0, 0, 0, 0, 0, 0, 0),
(4, 33, 3, 0, 0, 1735000000, 0, 0, 0, 0, 3, 0, 0, 0, 0);

-- Spells: active 0 = a lower rank kept but not shown; disabled 1 = not
-- available at the server's patch.
INSERT INTO `character_spell` (`guid`, `spell`, `active`, `disabled`) VALUES
(1, 78, 0, 0),
(1, 25286, 1, 0),
(1, 2457, 1, 0),
(1, 6673, 1, 0),
(1, 100, 1, 0),
(2, 635, 1, 0),
(2, 465, 1, 0),
(2, 20271, 1, 0),
(4, 686, 1, 0),
(4, 688, 1, 0),
(4, 687, 1, 0);

-- Auras: caster_guid is the caster's FULL 64-bit GUID (a player's = its low
-- GUID, high part 0); item_guid = the item that cast it, or 0.
INSERT INTO `character_aura` (`guid`, `caster_guid`, `item_guid`, `spell`, `stacks`, `charges`, `base_points0`, `base_points1`, `base_points2`, `periodic_time0`, `periodic_time1`, `periodic_time2`, `max_duration`, `duration`, `effect_index_mask`) VALUES
(1, 1, 0, 25289, 1, 0, 231, 0, 0, 0, 0, 0, 120000, 95000, 1),
(1, 1, 0, 17538, 1, 0, 24, 1, 0, 0, 0, 0, 3600000, 2100000, 3),
(4, 4, 0, 696, 1, 0, 109, 1, 0, 0, 5000, 0, 1800000, 1200000, 3);

INSERT INTO `character_homebind` (`guid`, `map`, `zone`, `position_x`, `position_y`, `position_z`) VALUES
(1, 0, 1519, -8867.68, 673.373, 97.9034),
(2, 0, 1537, -4613.21, -915.4, 501.062),
(3, 1, 1657, 10127.1, 2223.47, 1329.58),
(4, 0, 12, -9460.03, 32.9766, 56.9698),
(5, 0, 12, -8949.95, -132.493, 83.5312),
(6, 1, 1637, 1633.34, -4439.05, 15.78);

-- Action buttons: type 0 spell, 0x40 macro, 0x80 item.
INSERT INTO `character_action` (`guid`, `button`, `action`, `type`) VALUES
(1, 0, 25286, 0),
(1, 1, 118, 128),
(4, 0, 686, 0);

-- Reputation: standing relative to the faction's base, flags 1 visible,
-- 0x10 peace forced.
INSERT INTO `character_reputation` (`guid`, `faction`, `standing`, `flags`) VALUES
(1, 72, 39000, 17),
(1, 47, 3100, 1),
(4, 72, 500, 1);

-- Social: flags 1 friend, 2 ignored.
INSERT INTO `character_social` (`guid`, `friend`, `flags`) VALUES
(1, 2, 1),
(4, 1, 1);

-- Group 1: leader 1; every member, the leader too, has a group_member row.
INSERT INTO `groups` (`group_id`, `leader_guid`, `main_tank_guid`, `main_assistant_guid`, `loot_method`, `loot_threshold`, `looter_guid`, `icon1`, `icon2`, `icon3`, `icon4`, `icon5`, `icon6`, `icon7`, `icon8`, `is_raid`) VALUES
(1, 1, 0, 0, 3, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO `group_member` (`group_id`, `member_guid`, `assistant`, `subgroup`) VALUES
(1, 1, 0, 0),
(1, 2, 0, 0);

-- Corpses: corpse_type 0 bones, 1 resurrectable PvE, 2 resurrectable PvP.
INSERT INTO `corpse` (`guid`, `player_guid`, `position_x`, `position_y`, `position_z`, `orientation`, `map`, `time`, `corpse_type`, `instance`) VALUES
(1, 4, -9464.12, 60.1833, 55.8917, 1.2, 0, 1735000000, 1, 0),
(2, 6, -441.8, -2596.1, 95.8, 4.1, 1, UNIX_TIMESTAMP(NOW() - INTERVAL 4 DAY), 1, 0);

-- Pets: key `id` (the pet number), owner in `owner_guid`. pet_type 0 summoned,
-- 1 hunter. action_bar_data: 10 x (type, action); teach_spell_data: 4 x 2.
INSERT INTO `character_pet` (`id`, `entry`, `owner_guid`, `display_id`, `created_by_spell`, `pet_type`, `level`, `xp`, `react_state`, `loyalty_points`, `loyalty`, `training_points`, `name`, `renamed`, `slot`, `current_health`, `current_mana`, `current_happiness`, `save_time`, `reset_talents_cost`, `reset_talents_time`, `action_bar_data`, `teach_spell_data`) VALUES
(1, 416, 4, 4449, 688, 0, 12, 0, 1, 0, 0, 0, 'Grezz', 0, 0, 180, 205, 0, 1735000000, 0, 0,
    '7 2 7 1 7 0 129 3110 1 0 1 0 1 0 6 2 6 1 6 0 ', '0 0 0 0 0 0 0 0 ');

-- The ten other per-character tables; Orphan has a row in every one.
INSERT INTO `character_skills` (`guid`, `skill`, `value`, `max`) VALUES
(1, 43, 300, 300),
(1, 95, 300, 300),
(4, 354, 60, 60);

INSERT INTO `character_spell_cooldown` (`guid`, `spell`, `spell_expire_time`, `category`, `category_expire_time`, `item_id`) VALUES
(1, 8690, UNIX_TIMESTAMP(NOW() + INTERVAL 30 MINUTE), 0, 0, 6948),
(4, 8690, 1735003600, 0, 0, 6948);

INSERT INTO `character_honor_cp` (`guid`, `victim_type`, `victim_id`, `cp`, `date`, `type`) VALUES
(4, 4, 6, 12.5, 20081, 1);

INSERT INTO `character_stats` (`guid`, `max_health`, `max_power1`, `max_power2`, `max_power3`, `max_power4`, `max_power5`, `max_power6`, `max_power7`, `strength`, `agility`, `stamina`, `intellect`, `spirit`, `armor`, `holy_res`, `fire_res`, `nature_res`, `frost_res`, `shadow_res`, `arcane_res`, `block_chance`, `dodge_chance`, `parry_chance`, `crit_chance`, `ranged_crit_chance`, `spell_crit_chance`, `attack_power`, `ranged_attack_power`, `spell_damage`, `spell_healing`) VALUES
(1, 4120, 0, 1000, 0, 0, 0, 0, 0, 120, 80, 110, 30, 45, 2100, 0, 0, 0, 0, 0, 0, 5, 6.2, 5, 7.4, 4.1, 0, 420, 80, 0, 0),
(4, 210, 305, 0, 0, 0, 0, 0, 0, 22, 20, 25, 31, 33, 96, 0, 0, 0, 0, 0, 0, 0, 3.5, 0, 4.9, 4.9, 5.6, 12, 10, 0, 0);

INSERT INTO `character_battleground_data` (`guid`, `instance_id`, `team`, `join_x`, `join_y`, `join_z`, `join_o`, `join_map`) VALUES
(4, 0, 0, 0, 0, 0, 0, -1);

INSERT INTO `character_instance` (`guid`, `instance`, `permanent`) VALUES
(4, 5, 0);

-- Items whose template did not exist at the server's patch when the
-- character logged in: the server moves them here from the inventory.
INSERT INTO `character_deleted_items` (`id`, `player_guid`, `item_id`, `stack_count`) VALUES
(1, 4, 19019, 1);

INSERT INTO `character_account_data` (`guid`, `type`, `time`, `data`) VALUES
(4, 1, 1735000000, 'SET cameraDistanceMax "40"\n');

-- Mail: sender_guid / receiver_guid are character GUIDs; items attached by
-- mail stay in item_instance (owner = receiver) and mail_items.
INSERT INTO `mail` (`id`, `message_type`, `stationery`, `mail_template_id`, `sender_guid`, `receiver_guid`, `subject`, `item_text_id`, `has_items`, `expire_time`, `deliver_time`, `money`, `cod`, `checked`) VALUES
(1, 0, 41, 0, 1, 4, 'Linen for you', 0, 1, 1737592000, 1735000000, 500, 0, 0);
INSERT INTO `mail_items` (`mail_id`, `item_guid`, `item_id`, `receiver_guid`) VALUES
(1, 402, 2589, 4);

INSERT INTO `migrations` (`id`) VALUES
('20220813085336'), ('20221001202815'), ('20241002031703');

-- ===========================================================================
-- vm_mangos (world)
-- ===========================================================================
USE `vm_mangos`;

-- quest_template: key (entry, patch). Column names as read by
-- ObjectMgr::LoadQuests (vmangos/core 8e4b5f23fa src/game/ObjectMgr.cpp:5320);
-- types from the vmangos world structure + sql/old_migrations/
-- 20171114231424_world.sql (MaxLevel) + sql/migrations/20220325125703_world.sql
-- (BreadcrumbForQuestId); cross-checked with vmangos/wiki b455b007
-- world/quest_template. LEFT OUT: every other column (requirements,
-- objectives, rewards, texts other than Title, emotes, scripts).
CREATE TABLE `quest_template` (
  `entry` mediumint(8) unsigned NOT NULL DEFAULT '0',
  `patch` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `Method` tinyint(3) unsigned NOT NULL DEFAULT '2',
  `ZoneOrSort` smallint(6) NOT NULL DEFAULT '0',
  `MinLevel` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `MaxLevel` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `QuestLevel` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `Type` smallint(5) unsigned NOT NULL DEFAULT '0',
  `RequiredClasses` smallint(5) unsigned NOT NULL DEFAULT '0',
  `RequiredRaces` smallint(5) unsigned NOT NULL DEFAULT '0',
  `QuestFlags` smallint(5) unsigned NOT NULL DEFAULT '0',
  `PrevQuestId` mediumint(9) NOT NULL DEFAULT '0',
  `NextQuestId` mediumint(9) NOT NULL DEFAULT '0',
  `ExclusiveGroup` mediumint(9) NOT NULL DEFAULT '0',
  `BreadcrumbForQuestId` mediumint(9) unsigned NOT NULL DEFAULT '0',
  `NextQuestInChain` mediumint(8) unsigned NOT NULL DEFAULT '0',
  `Title` text,
  PRIMARY KEY (`entry`,`patch`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 COMMENT='Quest System';

-- item_template: key (entry, patch). Column names as read by
-- ObjectMgr::LoadItemPrototypes (src/game/ObjectMgr.cpp:3797); types from the
-- vmangos world structure + sql/old_migrations/20171030212926_world.sql
-- (patch) + sql/old_migrations/20181031080306_world.sql (snake_case names,
-- display_id, quality, item_level, required_level, container_slots ...);
-- cross-checked with vmangos/wiki b455b007 world/item_template.
-- LEFT OUT: every other column (prices, flags, stats, damage, resistances,
-- spells, bonding, texts, ...).
CREATE TABLE `item_template` (
  `entry` mediumint(8) unsigned NOT NULL DEFAULT '0',
  `patch` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `class` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `subclass` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `name` varchar(255) NOT NULL DEFAULT '',
  `display_id` mediumint(8) unsigned NOT NULL DEFAULT '0',
  `quality` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `inventory_type` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `item_level` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `required_level` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `stackable` smallint(5) unsigned NOT NULL DEFAULT '1',
  `container_slots` tinyint(3) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`entry`,`patch`),
  KEY `items_index` (`class`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8 COMMENT='Item System';

-- locales_item: key entry only (no patch: one locale row serves every patch
-- row). Columns as read by ObjectMgr::LoadItemLocales (ObjectMgr.cpp:4209).
-- _locN = client locale N: 1 koKR, 2 frFR, 3 deDE, 4 zhCN, 5 zhTW, 6 esES,
-- 7 esMX, 8 ruRU. Complete table (it has no other columns).
CREATE TABLE `locales_item` (
  `entry` mediumint(8) unsigned NOT NULL DEFAULT '0',
  `name_loc1` varchar(100) NOT NULL DEFAULT '',
  `name_loc2` varchar(100) NOT NULL DEFAULT '',
  `name_loc3` varchar(100) NOT NULL DEFAULT '',
  `name_loc4` varchar(100) NOT NULL DEFAULT '',
  `name_loc5` varchar(100) NOT NULL DEFAULT '',
  `name_loc6` varchar(100) NOT NULL DEFAULT '',
  `name_loc7` varchar(100) NOT NULL DEFAULT '',
  `name_loc8` varchar(100) NOT NULL DEFAULT '',
  `description_loc1` varchar(255) DEFAULT NULL,
  `description_loc2` varchar(255) DEFAULT NULL,
  `description_loc3` varchar(255) DEFAULT NULL,
  `description_loc4` varchar(255) DEFAULT NULL,
  `description_loc5` varchar(255) DEFAULT NULL,
  `description_loc6` varchar(255) DEFAULT NULL,
  `description_loc7` varchar(255) DEFAULT NULL,
  `description_loc8` varchar(255) DEFAULT NULL,
  PRIMARY KEY (`entry`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8;

-- locales_quest: key entry only. Columns as read by ObjectMgr::LoadQuestLocales
-- (ObjectMgr.cpp:6035). LEFT OUT: Details_locN, Objectives_locN,
-- OfferRewardText_locN, RequestItemsText_locN, EndText_locN,
-- ObjectiveText1..4_locN (all `text`).
CREATE TABLE `locales_quest` (
  `entry` mediumint(8) unsigned NOT NULL DEFAULT '0',
  `Title_loc1` text,
  `Title_loc2` text,
  `Title_loc3` text,
  `Title_loc4` text,
  `Title_loc5` text,
  `Title_loc6` text,
  `Title_loc7` text,
  `Title_loc8` text,
  PRIMARY KEY (`entry`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8;

-- autobroadcast: what is left of the table after sql/old_migrations/
-- 20180218164903 (commentaire -> comments), 20181124131732 (stringId ->
-- string_id INT NULL), 20190430202017 (comments -> comment) and
-- 20200225211912_world.sql (delay and comment dropped): one column, no key,
-- MyISAM latin1. Read by AutoBroadCastMgr::Load (src/game/AutoBroadCastMgr.cpp:26):
-- SELECT string_id FROM autobroadcast; a random row is sent every
-- AutoBroadcast.Timer milliseconds as mangos_string[string_id], in each
-- player's locale.
CREATE TABLE `autobroadcast` (
  `string_id` int(11) DEFAULT NULL
) ENGINE=MyISAM DEFAULT CHARSET=latin1;

-- mangos_string: key entry. Read by ObjectMgr::LoadMangosStrings
-- (ObjectMgr.cpp:9661). Complete table.
CREATE TABLE `mangos_string` (
  `entry` mediumint(8) unsigned NOT NULL DEFAULT '0',
  `content_default` text NOT NULL,
  `content_loc1` text,
  `content_loc2` text,
  `content_loc3` text,
  `content_loc4` text,
  `content_loc5` text,
  `content_loc6` text,
  `content_loc7` text,
  `content_loc8` text,
  PRIMARY KEY (`entry`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8;

-- the world schema-version table (same layout as in the other two databases)
CREATE TABLE `migrations` (
  `id` varchar(255) NOT NULL,
  PRIMARY KEY (`id`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8;

-- Quests. 783 -> 7 is a chain (NextQuestInChain / PrevQuestId). Quest 7 has
-- two patch rows: a server with WowPatch >= 7 (1.9 and later) shows the
-- patch 7 title, an older one the patch 0 title. 99998 has no template.
-- RequiredRaces 77 = the Alliance races.
INSERT INTO `quest_template` (`entry`, `patch`, `Method`, `ZoneOrSort`, `MinLevel`, `MaxLevel`, `QuestLevel`, `Type`, `RequiredClasses`, `RequiredRaces`, `QuestFlags`, `PrevQuestId`, `NextQuestId`, `ExclusiveGroup`, `BreadcrumbForQuestId`, `NextQuestInChain`, `Title`) VALUES
(783, 0, 2, 12, 1, 0, 1, 0, 0, 77, 8, 0, 0, 0, 0, 7, 'A Threat Within'),
(7, 0, 2, 12, 1, 0, 2, 0, 0, 77, 8, 783, 0, 0, 0, 0, 'Kobold Camp Cleanup'),
(7, 7, 2, 12, 1, 0, 2, 0, 0, 77, 8, 783, 0, 0, 0, 0, 'Kobold Camp Clean-up'),
(33, 0, 2, 12, 2, 0, 5, 0, 0, 0, 8, 0, 0, 0, 0, 0, 'Wolves Across the Border');

-- Items. 2361 has two patch rows (patch 0 and patch 7 = 1.9) with different
-- names; 99999 has no template; 4500 and 35 have no locale row.
INSERT INTO `item_template` (`entry`, `patch`, `class`, `subclass`, `name`, `display_id`, `quality`, `inventory_type`, `item_level`, `required_level`, `stackable`, `container_slots`) VALUES
(35, 0, 2, 10, 'Bent Staff', 472, 1, 17, 2, 1, 1, 0),
(38, 0, 4, 0, 'Recruit''s Shirt', 9891, 1, 4, 1, 1, 1, 0),
(118, 0, 0, 0, 'Minor Healing Potion', 15710, 1, 0, 5, 1, 5, 0),
(2361, 0, 2, 5, 'Battleworn Hammer', 8690, 1, 17, 2, 1, 1, 0),
(2361, 7, 2, 5, 'Battle-worn Hammer', 8690, 1, 17, 2, 1, 1, 0),
(2589, 0, 7, 0, 'Linen Cloth', 7026, 1, 0, 10, 0, 20, 0),
(4500, 0, 1, 0, 'Traveler''s Backpack', 1282, 1, 18, 45, 0, 1, 16);

INSERT INTO `locales_item` (`entry`, `name_loc2`, `name_loc3`, `name_loc8`) VALUES
(38, '', 'Rekrutenhemd', 'Рубашка новобранца'),
(118, '', '', 'Простейшее лечебное зелье'),
(2361, '', '', 'Потрёпанный молот'),
(2589, 'Étoffe de lin', 'Leinenstoff', 'Льняная ткань');

INSERT INTO `locales_quest` (`entry`, `Title_loc2`, `Title_loc3`, `Title_loc8`) VALUES
(783, NULL, NULL, 'Угроза изнутри'),
(33, 'Des loups à la frontière', 'Wölfe an der Grenze', 'Волки на границе');

-- Broadcast texts live in mangos_string (50000 and up is the range the
-- family's own example sql/custom/autobroadcast_example.sql uses).
INSERT INTO `mangos_string` (`entry`, `content_default`, `content_loc8`) VALUES
(50000, 'Server restart tonight at 03:00.\nPlease log out in time.', NULL),
(50001, 'Добро пожаловать!', NULL),
(50002, 'Don''t miss the "Darkmoon Faire" this week!', 'Не пропустите «Ярмарку Новолуния» на этой неделе!');

INSERT INTO `autobroadcast` (`string_id`) VALUES
(50000),
(50001),
(50002);

-- Only the world migrations that shaped the tables above, and the newest one
-- at 8e4b5f23fa (a real database has one row per file of sql/migrations).
INSERT INTO `migrations` (`id`) VALUES
('20211223173746'), ('20220325125703'), ('20240304213652'), ('20241016091345');
