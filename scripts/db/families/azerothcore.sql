-- realmdesk test fixture: the AzerothCore family (azerothcore/azerothcore-wotlk,
-- WotLK 3.3.5a, client build 12340).
--
-- Creates `acore_auth`, `acore_characters` and `acore_world` (the names
-- AzerothCore's own data/sql/create/create_mysql.sql uses, with its
-- DEFAULT CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci) with the tables
-- realmdesk reads or writes, in AzerothCore's published types, and fills them
-- with the common scenario. Every table names the file it was written from:
-- repository azerothcore/azerothcore-wotlk, path data/sql/base/db_<db>/<table>.sql,
-- and the commit of the stored version read (the newest one found; the
-- "dump" date is the date inside that file). Columns are in the published
-- order; the MySQL 8 dump noise (/*!...*/, LOCK TABLES, the CHECK that MariaDB
-- would also accept) is dropped, nothing else is changed unless a comment
-- says so.
--
-- Load as root after scripts/db/schema.sql and data.sql:
--   mariadb --default-character-set=utf8mb4 < azerothcore.sql
-- It drops its three databases first, so it can be loaded again.
--
-- Passwords: every account's password is its user name. The login server
-- keeps SRP6 data only: `salt` BINARY(32) and `verifier` BINARY(32), both
-- raw bytes, the verifier as a LITTLE-endian number (see the notes file,
-- /work/notes/azerothcore.md). Salts here are SHA-256(user name) so that the
-- file is reproducible; the server itself draws 32 random bytes.
-- "Recent" times are relative to the moment of loading (NOW() - INTERVAL n
-- DAY); stale ones are fixed dates.

SET NAMES utf8mb4;

DROP DATABASE IF EXISTS `acore_auth`;
DROP DATABASE IF EXISTS `acore_characters`;
DROP DATABASE IF EXISTS `acore_world`;

CREATE DATABASE `acore_auth`       DEFAULT CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci;
CREATE DATABASE `acore_characters` DEFAULT CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci;
CREATE DATABASE `acore_world`      DEFAULT CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci;

-- ===========================================================================
-- acore_auth (the login database)
-- ===========================================================================
USE `acore_auth`;

-- from azerothcore/azerothcore-wotlk 1a8ab65135cf data/sql/base/db_auth/account.sql (dump 2024-12-17;
-- no later update touches the table)
-- salt/verifier: raw SRP6 bytes, verifier little-endian. session_key: the
-- 40-byte SRP6 session key K written at each login (NULL until the first
-- login; never cleared at logout). email and reg_mail are upper-cased (Latin
-- letters only) by AccountMgr::CreateAccount; NOT NULL, '' when none.
-- last_login is NULL until the first login. online is 0/1 (set by the world
-- server's session), not a realm id. mutetime is a unix time (until when
-- muted; a negative value counts down while offline). totaltime: seconds played.
CREATE TABLE `account` (
  `id` int unsigned NOT NULL AUTO_INCREMENT COMMENT 'Identifier',
  `username` varchar(32) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '',
  `salt` binary(32) NOT NULL,
  `verifier` binary(32) NOT NULL,
  `session_key` binary(40) DEFAULT NULL,
  `totp_secret` varbinary(128) DEFAULT NULL,
  `email` varchar(255) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '',
  `reg_mail` varchar(255) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '',
  `joindate` timestamp NOT NULL DEFAULT CURRENT_TIMESTAMP,
  `last_ip` varchar(15) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '127.0.0.1',
  `last_attempt_ip` varchar(15) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '127.0.0.1',
  `failed_logins` int unsigned NOT NULL DEFAULT '0',
  `locked` tinyint unsigned NOT NULL DEFAULT '0',
  `lock_country` varchar(2) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '00',
  `last_login` timestamp NULL DEFAULT NULL,
  `online` int unsigned NOT NULL DEFAULT '0',
  `expansion` tinyint unsigned NOT NULL DEFAULT '2',
  `mutetime` bigint NOT NULL DEFAULT '0',
  `mutereason` varchar(255) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '',
  `muteby` varchar(50) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '',
  `locale` tinyint unsigned NOT NULL DEFAULT '0',
  `os` varchar(3) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '',
  `recruiter` int unsigned NOT NULL DEFAULT '0',
  `totaltime` int unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`id`),
  UNIQUE KEY `idx_username` (`username`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Account System';

-- from azerothcore/azerothcore-wotlk 0544096227bc data/sql/base/db_auth/account_access.sql (dump 2026-06-01)
-- GM level per account and realm: RealmID -1 = every realm. No row = level 0
-- (the server deletes the rows and inserts none when a level is set to 0).
CREATE TABLE `account_access` (
  `id` int unsigned NOT NULL,
  `gmlevel` tinyint unsigned NOT NULL,
  `RealmID` int NOT NULL DEFAULT '-1',
  `comment` varchar(255) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci DEFAULT '',
  PRIMARY KEY (`id`,`RealmID`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- from azerothcore/azerothcore-wotlk f9c94f2eef92 data/sql/base/db_auth/account_banned.sql (old mysqldump,
-- no dump date; the newest version found. Types written as a MySQL 8 dump
-- writes them: int(10) unsigned = int unsigned; charset utf8mb4 as every
-- AzerothCore table since its 2021 conversion)
-- id = account id (the account may be gone). bandate/unbandate: unix times;
-- permanent = unbandate equal to bandate. active = 0 once lifted or expired
-- (the server clears active on expired bans itself).
CREATE TABLE `account_banned` (
  `id` int unsigned NOT NULL DEFAULT '0' COMMENT 'Account id',
  `bandate` int unsigned NOT NULL DEFAULT '0',
  `unbandate` int unsigned NOT NULL DEFAULT '0',
  `bannedby` varchar(50) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL,
  `banreason` varchar(255) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL,
  `active` tinyint unsigned NOT NULL DEFAULT '1',
  PRIMARY KEY (`id`,`bandate`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Ban List';

-- from azerothcore/azerothcore-wotlk abbd552ce578 data/sql/base/db_auth/ip_banned.sql (dump 2024-12-17)
-- No active flag: an IP ban is over when unbandate has passed (permanent =
-- unbandate equal to bandate); the login server DELETES expired IP bans.
CREATE TABLE `ip_banned` (
  `ip` varchar(15) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '127.0.0.1',
  `bandate` int unsigned NOT NULL,
  `unbandate` int unsigned NOT NULL,
  `bannedby` varchar(50) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '[Console]',
  `banreason` varchar(255) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT 'no reason',
  PRIMARY KEY (`ip`,`bandate`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Banned IPs';

-- from azerothcore/azerothcore-wotlk 6c40d67d0d8c data/sql/base/db_auth/realmlist.sql (dump 2024-12-17)
-- flag: 0x01 version mismatch, 0x02 offline, 0x04 build number shown, 0x20
-- recommended, 0x40 new, 0x80 full; 3 hides the realm (the server lists
-- `flag <> 3`). The world server clears 0x02 while it runs. timezone is the
-- realm category (RealmZone: 1 Development, 8 English, 12 Russian, ...).
-- icon: 0 normal, 1 PvP, 6 RP, 8 RP-PvP. One gamebuild only.
CREATE TABLE `realmlist` (
  `id` int unsigned NOT NULL AUTO_INCREMENT,
  `name` varchar(32) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '',
  `address` varchar(255) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '127.0.0.1',
  `localAddress` varchar(255) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '127.0.0.1',
  `localSubnetMask` varchar(255) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '255.255.255.0',
  `port` smallint unsigned NOT NULL DEFAULT '8085',
  `icon` tinyint unsigned NOT NULL DEFAULT '0',
  `flag` tinyint unsigned NOT NULL DEFAULT '2',
  `timezone` tinyint unsigned NOT NULL DEFAULT '0',
  `allowedSecurityLevel` tinyint unsigned NOT NULL DEFAULT '0',
  `population` float NOT NULL DEFAULT '0',
  `gamebuild` int unsigned NOT NULL DEFAULT '12340',
  PRIMARY KEY (`id`),
  UNIQUE KEY `idx_name` (`name`),
  CONSTRAINT `realmlist_chk_1` CHECK ((`population` >= 0))
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Realm System';

-- from azerothcore/azerothcore-wotlk 75ef460bd772 data/sql/base/db_auth/autobroadcast.sql (dump 2025-12-29)
-- realmid -1 = every realm; the world server reads
-- `SELECT id, weight, text FROM autobroadcast WHERE realmid = ? OR realmid = -1`.
-- The key is (id, realmid) and id is a TINYINT: at most 255 ids.
CREATE TABLE `autobroadcast` (
  `realmid` int NOT NULL DEFAULT '-1',
  `id` tinyint unsigned NOT NULL AUTO_INCREMENT,
  `weight` tinyint unsigned DEFAULT '1',
  `text` longtext CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL,
  PRIMARY KEY (`id`,`realmid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- from azerothcore/azerothcore-wotlk 693a29b91bf2 data/sql/base/db_auth/autobroadcast_locale.sql (dump 2025-12-29)
-- Translations of autobroadcast.text per client locale ('ruRU', ...).
CREATE TABLE `autobroadcast_locale` (
  `realmid` int NOT NULL,
  `id` int NOT NULL,
  `locale` varchar(4) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL,
  `text` longtext CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL,
  PRIMARY KEY (`realmid`,`id`,`locale`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- from azerothcore/azerothcore-wotlk b058343e2221 data/sql/base/db_auth/updates.sql (dump 2024-12-17),
-- with the `state` ENUM widened by data/sql/updates/db_auth/2025_02_16_01.sql
-- (deb81badbb2b: adds 'PENDING'). The same table exists in all three
-- databases: one row per applied update file.
CREATE TABLE `updates` (
  `name` varchar(200) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL COMMENT 'filename with extension of the update.',
  `hash` char(40) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci DEFAULT '' COMMENT 'sha1 hash of the sql file.',
  `state` enum('RELEASED','CUSTOM','MODULE','ARCHIVED','PENDING') CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT 'RELEASED' COMMENT 'defines if an update is released or archived.',
  `timestamp` timestamp NOT NULL DEFAULT CURRENT_TIMESTAMP COMMENT 'timestamp when the query was applied.',
  `speed` int unsigned NOT NULL DEFAULT '0' COMMENT 'time the query takes to apply in ms.',
  PRIMARY KEY (`name`) USING BTREE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='List of all applied updates in this database.';

-- Accounts 1-8. AzerothCore ships no default accounts (its account.sql is
-- empty), so 1-4 are written like the others. salt = SHA-256(user name),
-- verifier = g^x mod N as 32 LITTLE-endian bytes, computed outside any
-- program of ours with (set u to the user name; the password is the same):
--   python3 -c "import hashlib;N=int('894B645E89E1535BBDAD5B8B290650530801B18EBFBF5E8FAB3C82872A3E9BB7',16);u='ADMINISTRATOR';p=u;s=hashlib.sha256(u.encode()).digest();h=hashlib.sha1(s+hashlib.sha1((u+':'+p).upper().encode()).digest()).digest();print(s.hex().upper(),pow(7,int.from_bytes(h,'little'),N).to_bytes(32,'little').hex().upper())"
-- session_key: 40 stand-in bytes, SHA1('K0'+name) || SHA1('K1'+name)
-- (a real one is the SRP6 key K of the last login):
--   python3 -c "import hashlib;u='ADMINISTRATOR';print((hashlib.sha1(b'K0'+u.encode()).digest()+hashlib.sha1(b'K1'+u.encode()).digest()).hex().upper())"
-- 4 PLAYER is in the game (its character 3 is online); 6 SAMEIP shares
-- PLAYER's last IP and is muted until 2030; 7 NOCHARS has an empty e-mail and
-- was recruited by 4; 8 BANNED never logged in (last_login and session_key NULL).
INSERT INTO `account` (`id`,`username`,`salt`,`verifier`,`session_key`,`totp_secret`,`email`,`reg_mail`,`joindate`,`last_ip`,`last_attempt_ip`,`failed_logins`,`locked`,`lock_country`,`last_login`,`online`,`expansion`,`mutetime`,`mutereason`,`muteby`,`locale`,`os`,`recruiter`,`totaltime`) VALUES
(1,'ADMINISTRATOR',X'950DAFB5E3C2B4511E9D93F7B24E143333173F67C67530FF318319AC13F62604',X'83DBD51F13A198D3551ACBB5ADE6211C36214590BB9EA5A81E6811FCAC84DE63',X'E777BD3B92717E4AD9B7D6C1ED4A95DF4C81D5282FCF4748111DC1FB0AF379A6E7300A98282B5D86',NULL,'ADMINISTRATOR@EXAMPLE.COM','ADMINISTRATOR@EXAMPLE.COM','2024-03-01 12:00:00','127.0.0.1','127.0.0.1',0,0,'00',NOW() - INTERVAL 1 DAY,0,2,0,'','',0,'Win',0,864000),
(2,'GAMEMASTER',X'8AB49374A1E73D78F61C125BE372ECA96960216B883AAAFBF73F1AB759AF26BC',X'CE67CA55C59E2FD7A88F49C52B4D14397F357F4AAC7AF4060D9856DCED72482A',X'2193DEC4321DA962D4DABEDA0C3C61868B6B519273C019A6CFE142FB864D44A478180094091B7E0F',NULL,'GM@EXAMPLE.COM','GM@EXAMPLE.COM','2024-03-02 09:30:00','192.168.1.11','192.168.1.11',0,0,'00',NOW() - INTERVAL 3 DAY,0,2,0,'','',0,'Win',0,312000),
(3,'MODERATOR',X'778AC5B81FA251B450F827846378739CAEE510C31B01CFA9D31822B88BED8441',X'B1A944DAAC528829641D8368F9075B11E288D1FE7C0E1B734EA7B702FCB3DB1A',X'9EF77B6E4125C09F014AB5710596DF7BFF41C4979EEE7F9AAFFF9CD30810292B4A416281E1A4B1F1',NULL,'MOD@EXAMPLE.COM','MOD@EXAMPLE.COM','2024-05-10 18:00:00','192.168.1.12','192.168.1.12',0,0,'00',NOW() - INTERVAL 10 DAY,0,2,0,'','',0,'OSX',0,54000),
(4,'PLAYER',X'FD49E5BC2A30C83CDB47DD4DA622D57F142CDFE47E7C1C39E86359573EA554F7',X'3827EFDAD8D846053F7877174A8B4D7897FAD1CCC7032E975E54328BFDB6A638',X'D6BC90515290E605462EA619867732B676ED3FD2C033A7B1EB7804444906C5EB50E6625CADAA891C',NULL,'игрок@почта.рф','игрок@почта.рф','2025-01-20 20:15:00','192.168.1.20','192.168.1.20',0,0,'00',NOW() - INTERVAL 0 DAY,1,2,0,'','',8,'Win',0,720000),
(5,'STALE',X'4DB5905DD22D20B0A1C836084DC5D4857CCED3D64F8638AE66461343E395B8F4',X'0FD082501C325C29E94A5212B27C9B9158FFA737CEAF715C6571A6D4E8860E50',X'80C6068FF905CB49A764A7077BDC0840B32855B85879FB23BF2E36B6222E290294E209B5A7548AFF',NULL,'STALE@EXAMPLE.COM','STALE@EXAMPLE.COM','2018-11-03 14:00:00','85.140.3.9','85.140.3.9',0,0,'00','2019-01-15 10:00:00',0,2,0,'','',0,'Win',0,3600),
(6,'SAMEIP',X'E6DB8A03EA8F90D58C7CA9AC4231F07BBB735970D36C4AAE55B0DC1C2068479F',X'CAC00B708D7552B7F7543070699F838597A1E155126FC86359C202597E1CA13A',X'129E23BE9BF37C2ED4E4716DA38086F89AA29C8809730EABEF558EC4A5209EB4209625A921FA20A4',NULL,'SAMEIP@EXAMPLE.COM','SAMEIP@EXAMPLE.COM','2025-06-01 08:00:00','192.168.1.20','192.168.1.20',1,0,'00',NOW() - INTERVAL 20 DAY,0,2,1893456000,'Флуд в общем канале','GAMEMASTER',8,'Win',0,9000),
(7,'NOCHARS',X'41C5F9DD92F4355D7F79C4C9687BB32575F46EA2DEBD135C7D2A5BDB36BB43C6',X'5919389BE87539A1BFA838CD5FB7DCD2E6C683DF972F138AC9B0EF4FC5EFF842',X'6F6A5892EC24D7420E68A6D16D118E9246FE1141DF1DC67A7682958220FF9B25D0CE19206CC58822',NULL,'','','2026-10-30 16:45:00','172.16.5.4','172.16.5.4',0,0,'00',NOW() - INTERVAL 5 DAY,0,2,0,'','',0,'Win',4,0),
(8,'BANNED',X'79764C0FC999EE99B2F034B04A7C1375F8B719212F725FFE8C9D402BD9C7D32C',X'C72DE033E902A161879E267397FCFAC3D3187CAC2FBB6CC36D838C64DCF06787',NULL,NULL,'BANNED@EXAMPLE.COM','BANNED@EXAMPLE.COM','2023-07-07 07:07:07','127.0.0.1','198.51.100.23',3,0,'00',NULL,0,2,0,'','',0,'',0,0);

-- GM levels: 1 ADMINISTRATOR 3 on every realm, 2 GAMEMASTER 2 on realm 1
-- only, 3 MODERATOR 1 everywhere; 4 PLAYER has no row (level 0).
INSERT INTO `account_access` (`id`,`gmlevel`,`RealmID`,`comment`) VALUES
(1,3,-1,''),
(2,2,1,''),
(3,1,-1,'');

-- 8: active ban until 2030-01-01 and an older one that expired (active 0);
-- 4: a ban lifted before its end; 555 (no such account): a permanent one
-- (unbandate = bandate).
INSERT INTO `account_banned` (`id`,`bandate`,`unbandate`,`bannedby`,`banreason`,`active`) VALUES
(8,1764547200,1893456000,'ADMINISTRATOR','Использование ботов',1),
(8,1700000000,1700604800,'GAMEMASTER','Spam in trade chat',0),
(4,1710000000,1712592000,'MODERATOR','Оскорбления',0),
(555,1750000000,1750000000,'Console','Gold selling',1);

-- 203.0.113.77 permanent; 10.10.10.10 expired (the login server would delete
-- it at its next clean-up).
INSERT INTO `ip_banned` (`ip`,`bandate`,`unbandate`,`bannedby`,`banreason`) VALUES
('203.0.113.77',1760000000,1760000000,'ADMINISTRATOR','Brute force'),
('10.10.10.10',1700000000,1700086400,'GAMEMASTER','Реклама');

-- Realm 1 runs (flag 0), PvP, Russian category; realm 2 is offline (flag 2),
-- normal, English category, GM level 1 or more only.
INSERT INTO `realmlist` (`id`,`name`,`address`,`localAddress`,`localSubnetMask`,`port`,`icon`,`flag`,`timezone`,`allowedSecurityLevel`,`population`,`gamebuild`) VALUES
(1,'Вечный Огонь','127.0.0.1','127.0.0.1','255.255.255.0',8085,1,0,12,0,0.6,12340),
(2,'Northwind','192.168.1.50','192.168.1.50','255.255.255.0',8086,0,2,8,1,0,12340);

-- Broadcasts: 1 Russian on every realm, 2 with a bare line feed on realm 1
-- only, 3 with a single and a double quote (and a Russian translation in
-- autobroadcast_locale).
INSERT INTO `autobroadcast` (`realmid`,`id`,`weight`,`text`) VALUES
(-1,1,1,'Добро пожаловать!'),
(1,2,2,'Server restart at 06:00.\nPlease log out in time.'),
(-1,3,1,'Don''t forget: the "Rules" channel is moderated.');

INSERT INTO `autobroadcast_locale` (`realmid`,`id`,`locale`,`text`) VALUES
(-1,3,'ruRU','Не забывайте: канал "Rules" модерируется.');

-- Two update rows as the server's updater writes them (hash left empty: it
-- is the SHA-1 of the file, not needed here).
INSERT INTO `updates` (`name`,`hash`,`state`,`timestamp`,`speed`) VALUES
('2026_08_16_00.sql','','RELEASED','2026-08-20 10:00:00',12),
('2026_09_27_00.sql','','RELEASED','2026-10-01 10:00:00',31);

-- ===========================================================================
-- acore_characters
-- ===========================================================================
USE `acore_characters`;

-- from azerothcore/azerothcore-wotlk 8d5a47d9d91a data/sql/base/db_characters/characters.sql (HeidiSQL dump,
-- MySQL 8.1; the newest version found; no later update changes the table)
-- No packed `data` column. name is utf8mb4_bin (case-sensitive). at_login:
-- 0x01 rename, 0x02 reset spells, 0x04 reset talents, 0x08 customize, 0x10
-- reset pet talents, 0x20 first login, 0x40 change faction, 0x80 change race,
-- 0x100 reset arena points, 0x200 reset arena, 0x400 check achievements,
-- 0x800 resurrect. transguid is a SIGNED, NULLable int here.
-- taximask: 14 numbers; exploredZones: 128; equipmentCache: 46 (entry and
-- enchant for 19 equipment + 4 bag slots); knownTitles: 6.
CREATE TABLE `characters` (
  `guid` int unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `account` int unsigned NOT NULL DEFAULT '0' COMMENT 'Account Identifier',
  `name` varchar(12) CHARACTER SET utf8mb4 COLLATE utf8mb4_bin NOT NULL,
  `race` tinyint unsigned NOT NULL DEFAULT '0',
  `class` tinyint unsigned NOT NULL DEFAULT '0',
  `gender` tinyint unsigned NOT NULL DEFAULT '0',
  `level` tinyint unsigned NOT NULL DEFAULT '0',
  `xp` int unsigned NOT NULL DEFAULT '0',
  `money` int unsigned NOT NULL DEFAULT '0',
  `skin` tinyint unsigned NOT NULL DEFAULT '0',
  `face` tinyint unsigned NOT NULL DEFAULT '0',
  `hairStyle` tinyint unsigned NOT NULL DEFAULT '0',
  `hairColor` tinyint unsigned NOT NULL DEFAULT '0',
  `facialStyle` tinyint unsigned NOT NULL DEFAULT '0',
  `bankSlots` tinyint unsigned NOT NULL DEFAULT '0',
  `restState` tinyint unsigned NOT NULL DEFAULT '0',
  `playerFlags` int unsigned NOT NULL DEFAULT '0',
  `position_x` float NOT NULL DEFAULT '0',
  `position_y` float NOT NULL DEFAULT '0',
  `position_z` float NOT NULL DEFAULT '0',
  `map` smallint unsigned NOT NULL DEFAULT '0' COMMENT 'Map Identifier',
  `instance_id` int unsigned NOT NULL DEFAULT '0',
  `instance_mode_mask` tinyint unsigned NOT NULL DEFAULT '0',
  `orientation` float NOT NULL DEFAULT '0',
  `taximask` text CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL,
  `online` tinyint unsigned NOT NULL DEFAULT '0',
  `cinematic` tinyint unsigned NOT NULL DEFAULT '0',
  `totaltime` int unsigned NOT NULL DEFAULT '0',
  `leveltime` int unsigned NOT NULL DEFAULT '0',
  `logout_time` int unsigned NOT NULL DEFAULT '0',
  `is_logout_resting` tinyint unsigned NOT NULL DEFAULT '0',
  `rest_bonus` float NOT NULL DEFAULT '0',
  `resettalents_cost` int unsigned NOT NULL DEFAULT '0',
  `resettalents_time` int unsigned NOT NULL DEFAULT '0',
  `trans_x` float NOT NULL DEFAULT '0',
  `trans_y` float NOT NULL DEFAULT '0',
  `trans_z` float NOT NULL DEFAULT '0',
  `trans_o` float NOT NULL DEFAULT '0',
  `transguid` int DEFAULT '0',
  `extra_flags` smallint unsigned NOT NULL DEFAULT '0',
  `stable_slots` tinyint unsigned NOT NULL DEFAULT '0',
  `at_login` smallint unsigned NOT NULL DEFAULT '0',
  `zone` smallint unsigned NOT NULL DEFAULT '0',
  `death_expire_time` int unsigned NOT NULL DEFAULT '0',
  `taxi_path` text CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci,
  `arenaPoints` int unsigned NOT NULL DEFAULT '0',
  `totalHonorPoints` int unsigned NOT NULL DEFAULT '0',
  `todayHonorPoints` int unsigned NOT NULL DEFAULT '0',
  `yesterdayHonorPoints` int unsigned NOT NULL DEFAULT '0',
  `totalKills` int unsigned NOT NULL DEFAULT '0',
  `todayKills` smallint unsigned NOT NULL DEFAULT '0',
  `yesterdayKills` smallint unsigned NOT NULL DEFAULT '0',
  `chosenTitle` int unsigned NOT NULL DEFAULT '0',
  `knownCurrencies` bigint unsigned NOT NULL DEFAULT '0',
  `watchedFaction` int unsigned NOT NULL DEFAULT '0',
  `drunk` tinyint unsigned NOT NULL DEFAULT '0',
  `health` int unsigned NOT NULL DEFAULT '0',
  `power1` int unsigned NOT NULL DEFAULT '0',
  `power2` int unsigned NOT NULL DEFAULT '0',
  `power3` int unsigned NOT NULL DEFAULT '0',
  `power4` int unsigned NOT NULL DEFAULT '0',
  `power5` int unsigned NOT NULL DEFAULT '0',
  `power6` int unsigned NOT NULL DEFAULT '0',
  `power7` int unsigned NOT NULL DEFAULT '0',
  `latency` int unsigned DEFAULT '0',
  `talentGroupsCount` tinyint unsigned NOT NULL DEFAULT '1',
  `activeTalentGroup` tinyint unsigned NOT NULL DEFAULT '0',
  `exploredZones` longtext CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci,
  `equipmentCache` longtext CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci,
  `ammoId` int unsigned NOT NULL DEFAULT '0',
  `knownTitles` longtext CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci,
  `actionBars` tinyint unsigned NOT NULL DEFAULT '0',
  `grantableLevels` tinyint unsigned NOT NULL DEFAULT '0',
  `order` tinyint DEFAULT NULL,
  `creation_date` timestamp NOT NULL DEFAULT CURRENT_TIMESTAMP,
  `deleteInfos_Account` int unsigned DEFAULT NULL,
  `deleteInfos_Name` varchar(12) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci DEFAULT NULL,
  `deleteDate` int unsigned DEFAULT NULL,
  `innTriggerId` int unsigned NOT NULL,
  `extraBonusTalentCount` int NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`),
  KEY `idx_account` (`account`),
  KEY `idx_online` (`online`),
  KEY `idx_name` (`name`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Player System';

-- from azerothcore/azerothcore-wotlk f3e18873ee2b data/sql/base/db_characters/character_queststatus.sql (HeidiSQL dump)
-- Quests taken and not yet rewarded. status: 0 none, 1 complete, 3
-- incomplete, 5 failed. Rewarded quests are in character_queststatus_rewarded.
CREATE TABLE `character_queststatus` (
  `guid` int unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `quest` int unsigned NOT NULL DEFAULT '0' COMMENT 'Quest Identifier',
  `status` tinyint unsigned NOT NULL DEFAULT '0',
  `explored` tinyint unsigned NOT NULL DEFAULT '0',
  `timer` int unsigned NOT NULL DEFAULT '0',
  `mobcount1` smallint unsigned NOT NULL DEFAULT '0',
  `mobcount2` smallint unsigned NOT NULL DEFAULT '0',
  `mobcount3` smallint unsigned NOT NULL DEFAULT '0',
  `mobcount4` smallint unsigned NOT NULL DEFAULT '0',
  `itemcount1` smallint unsigned NOT NULL DEFAULT '0',
  `itemcount2` smallint unsigned NOT NULL DEFAULT '0',
  `itemcount3` smallint unsigned NOT NULL DEFAULT '0',
  `itemcount4` smallint unsigned NOT NULL DEFAULT '0',
  `itemcount5` smallint unsigned NOT NULL DEFAULT '0',
  `itemcount6` smallint unsigned NOT NULL DEFAULT '0',
  `playercount` smallint unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`quest`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Player System';

-- from azerothcore/azerothcore-wotlk 055c759f2c8a data/sql/base/db_characters/character_queststatus_rewarded.sql (dump 2025-07-19)
-- active = 0 marks a rewarded seasonal/repeatable quest that was reset.
CREATE TABLE `character_queststatus_rewarded` (
  `guid` int unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `quest` int unsigned NOT NULL DEFAULT '0' COMMENT 'Quest Identifier',
  `active` tinyint unsigned NOT NULL DEFAULT '1',
  PRIMARY KEY (`guid`,`quest`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Player System';

-- from azerothcore/azerothcore-wotlk 07746fc3dcbb data/sql/base/db_characters/character_inventory.sql (dump 2024-12-17)
-- guid = character, item = item_instance.guid. bag = 0 for the character's
-- own slots (0-18 equipped, 19-22 bags, 23-38 backpack, 39+ bank ...),
-- otherwise the item_instance.guid of the container; slot is then the place
-- inside it.
CREATE TABLE `character_inventory` (
  `guid` int unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `bag` int unsigned NOT NULL DEFAULT '0',
  `slot` tinyint unsigned NOT NULL DEFAULT '0',
  `item` int unsigned NOT NULL DEFAULT '0' COMMENT 'Item Global Unique Identifier',
  PRIMARY KEY (`item`),
  UNIQUE KEY `guid` (`guid`,`bag`,`slot`),
  KEY `idx_guid` (`guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Player System';

-- from azerothcore/azerothcore-wotlk 2779094ffe99 data/sql/base/db_characters/item_instance.sql (HeidiSQL dump, MySQL 8.0.28)
-- itemEntry = item_template.entry; owner_guid = character guid.
CREATE TABLE `item_instance` (
  `guid` int unsigned NOT NULL DEFAULT '0',
  `itemEntry` mediumint unsigned NOT NULL DEFAULT '0',
  `owner_guid` int unsigned NOT NULL DEFAULT '0',
  `creatorGuid` int unsigned NOT NULL DEFAULT '0',
  `giftCreatorGuid` int unsigned NOT NULL DEFAULT '0',
  `count` int unsigned NOT NULL DEFAULT '1',
  `duration` int NOT NULL DEFAULT '0',
  `charges` tinytext CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci,
  `flags` mediumint unsigned NOT NULL DEFAULT '0',
  `enchantments` text CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL,
  `randomPropertyId` smallint NOT NULL DEFAULT '0',
  `durability` smallint unsigned NOT NULL DEFAULT '0',
  `playedTime` int unsigned NOT NULL DEFAULT '0',
  `text` text CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci,
  PRIMARY KEY (`guid`),
  KEY `idx_owner_guid` (`owner_guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Item System';

-- from azerothcore/azerothcore-wotlk 3892b21a9390 data/sql/base/db_characters/character_spell.sql (HeidiSQL dump, MySQL 8.1)
-- specMask: bit mask of the talent groups the spell is known in (255 = all); no
-- active/disabled columns.
CREATE TABLE `character_spell` (
  `guid` int unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `spell` int unsigned NOT NULL DEFAULT '0' COMMENT 'Spell Identifier',
  `specMask` tinyint unsigned NOT NULL DEFAULT '1',
  PRIMARY KEY (`guid`,`spell`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Player System';

-- from azerothcore/azerothcore-wotlk 7f7403a8b167 data/sql/base/db_characters/character_aura.sql (HeidiSQL dump)
-- casterGuid and itemGuid are full 64-bit GUIDs (a player's is its guid).
-- maxDuration/remainTime in ms, -1 = permanent.
CREATE TABLE `character_aura` (
  `guid` int unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `casterGuid` bigint unsigned NOT NULL DEFAULT '0' COMMENT 'Full Global Unique Identifier',
  `itemGuid` bigint unsigned NOT NULL DEFAULT '0',
  `spell` mediumint unsigned NOT NULL DEFAULT '0',
  `effectMask` tinyint unsigned NOT NULL DEFAULT '0',
  `recalculateMask` tinyint unsigned NOT NULL DEFAULT '0',
  `stackCount` tinyint unsigned NOT NULL DEFAULT '1',
  `amount0` int NOT NULL DEFAULT '0',
  `amount1` int NOT NULL DEFAULT '0',
  `amount2` int NOT NULL DEFAULT '0',
  `base_amount0` int NOT NULL DEFAULT '0',
  `base_amount1` int NOT NULL DEFAULT '0',
  `base_amount2` int NOT NULL DEFAULT '0',
  `maxDuration` int NOT NULL DEFAULT '0',
  `remainTime` int NOT NULL DEFAULT '0',
  `remainCharges` tinyint unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`casterGuid`,`itemGuid`,`spell`,`effectMask`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Player System';

-- from azerothcore/azerothcore-wotlk d41b52da900e data/sql/base/db_characters/character_homebind.sql (HeidiSQL dump, MySQL 8.1)
-- No orientation column.
CREATE TABLE `character_homebind` (
  `guid` int unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `mapId` smallint unsigned NOT NULL DEFAULT '0' COMMENT 'Map Identifier',
  `zoneId` smallint unsigned NOT NULL DEFAULT '0' COMMENT 'Zone Identifier',
  `posX` float NOT NULL DEFAULT '0',
  `posY` float NOT NULL DEFAULT '0',
  `posZ` float NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Player System';

-- from azerothcore/azerothcore-wotlk 2435a45ce0bb data/sql/base/db_characters/character_action.sql (HeidiSQL dump)
-- The second key column is the talent group (0/1); type 0 spell, 0x40 macro,
-- 0x80 item.
-- `spec` is the server's own column: the character's talent specialisation
-- (one of two sets of talents, action bars and glyphs).
CREATE TABLE `character_action` (
  `guid` int unsigned NOT NULL DEFAULT '0',
  `spec` tinyint unsigned NOT NULL DEFAULT '0',
  `button` tinyint unsigned NOT NULL DEFAULT '0',
  `action` int unsigned NOT NULL DEFAULT '0',
  `type` tinyint unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`spec`,`button`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- from azerothcore/azerothcore-wotlk 11d54b9a1b0e data/sql/base/db_characters/character_reputation.sql (HeidiSQL dump)
CREATE TABLE `character_reputation` (
  `guid` int unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `faction` smallint unsigned NOT NULL DEFAULT '0',
  `standing` int NOT NULL DEFAULT '0',
  `flags` smallint unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`faction`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Player System';

-- from azerothcore/azerothcore-wotlk 2dc09b662a93 data/sql/base/db_characters/character_social.sql (dump 2024-12-17)
-- flags: 1 friend, 2 ignored, 4 muted. The key includes flags.
CREATE TABLE `character_social` (
  `guid` int unsigned NOT NULL DEFAULT '0' COMMENT 'Character Global Unique Identifier',
  `friend` int unsigned NOT NULL DEFAULT '0' COMMENT 'Friend Global Unique Identifier',
  `flags` tinyint unsigned NOT NULL DEFAULT '0' COMMENT 'Friend Flags',
  `note` varchar(48) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '' COMMENT 'Friend Note',
  PRIMARY KEY (`guid`,`friend`,`flags`),
  KEY `friend` (`friend`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Player System';

-- from azerothcore/azerothcore-wotlk 5f895e424b00 data/sql/base/db_characters/character_declinedname.sql (HeidiSQL dump, MySQL 8.0.28)
CREATE TABLE `character_declinedname` (
  `guid` int unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `genitive` varchar(15) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '',
  `dative` varchar(15) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '',
  `accusative` varchar(15) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '',
  `instrumental` varchar(15) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '',
  `prepositional` varchar(15) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '',
  PRIMARY KEY (`guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- from azerothcore/azerothcore-wotlk 526dc597bb54 data/sql/base/db_characters/groups.sql (dump 2024-12-17)
-- guid = the group's own id; leaderGuid = character guid.
CREATE TABLE `groups` (
  `guid` int unsigned NOT NULL,
  `leaderGuid` int unsigned NOT NULL,
  `lootMethod` tinyint unsigned NOT NULL,
  `looterGuid` int unsigned NOT NULL,
  `lootThreshold` tinyint unsigned NOT NULL,
  `icon1` bigint unsigned NOT NULL,
  `icon2` bigint unsigned NOT NULL,
  `icon3` bigint unsigned NOT NULL,
  `icon4` bigint unsigned NOT NULL,
  `icon5` bigint unsigned NOT NULL,
  `icon6` bigint unsigned NOT NULL,
  `icon7` bigint unsigned NOT NULL,
  `icon8` bigint unsigned NOT NULL,
  `groupType` tinyint unsigned NOT NULL,
  `difficulty` tinyint unsigned NOT NULL DEFAULT '0',
  `raidDifficulty` tinyint unsigned NOT NULL DEFAULT '0',
  `masterLooterGuid` int unsigned NOT NULL,
  PRIMARY KEY (`guid`),
  KEY `leaderGuid` (`leaderGuid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Groups';

-- from azerothcore/azerothcore-wotlk b71e01b5a6a6 data/sql/base/db_characters/group_member.sql (dump 2025-12-29)
-- guid = groups.guid; memberGuid = character guid (the key: one group per
-- character); the leader has a row too.
CREATE TABLE `group_member` (
  `guid` int unsigned NOT NULL,
  `memberGuid` int unsigned NOT NULL,
  `memberFlags` tinyint unsigned NOT NULL DEFAULT '0',
  `subgroup` tinyint unsigned NOT NULL DEFAULT '0',
  `roles` tinyint unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`memberGuid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Groups';

-- from azerothcore/azerothcore-wotlk 2779094ffe99 data/sql/base/db_characters/corpse.sql (HeidiSQL dump, MySQL 8.0.28)
-- guid = the character's guid (one corpse per character). time: unix time.
-- corpseType 0 bones, 1 resurrectable PvE, 2 resurrectable PvP.
CREATE TABLE `corpse` (
  `guid` int unsigned NOT NULL DEFAULT '0' COMMENT 'Character Global Unique Identifier',
  `posX` float NOT NULL DEFAULT '0',
  `posY` float NOT NULL DEFAULT '0',
  `posZ` float NOT NULL DEFAULT '0',
  `orientation` float NOT NULL DEFAULT '0',
  `mapId` smallint unsigned NOT NULL DEFAULT '0' COMMENT 'Map Identifier',
  `phaseMask` int unsigned NOT NULL DEFAULT '1',
  `displayId` int unsigned NOT NULL DEFAULT '0',
  `itemCache` text CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL,
  `bytes1` int unsigned NOT NULL DEFAULT '0',
  `bytes2` int unsigned NOT NULL DEFAULT '0',
  `guildId` int unsigned NOT NULL DEFAULT '0',
  `flags` tinyint unsigned NOT NULL DEFAULT '0',
  `dynFlags` tinyint unsigned NOT NULL DEFAULT '0',
  `time` int unsigned NOT NULL DEFAULT '0',
  `corpseType` tinyint unsigned NOT NULL DEFAULT '0',
  `instanceId` int unsigned NOT NULL DEFAULT '0' COMMENT 'Instance Identifier',
  PRIMARY KEY (`guid`),
  KEY `idx_type` (`corpseType`),
  KEY `idx_instance` (`instanceId`),
  KEY `idx_time` (`time`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Death System';

-- from azerothcore/azerothcore-wotlk 69e84776efe6 data/sql/base/db_characters/character_pet.sql (dump 2024-12-17)
-- id = pet number; owner = character guid. slot 0 = current pet, 1-4 stable,
-- 100 = not in a slot.
CREATE TABLE `character_pet` (
  `id` int unsigned NOT NULL DEFAULT '0',
  `entry` int unsigned NOT NULL DEFAULT '0',
  `owner` int unsigned NOT NULL DEFAULT '0',
  `modelid` int unsigned DEFAULT '0',
  `CreatedBySpell` int unsigned DEFAULT '0',
  `PetType` tinyint unsigned NOT NULL DEFAULT '0',
  `level` smallint unsigned NOT NULL DEFAULT '1',
  `exp` int unsigned NOT NULL DEFAULT '0',
  `Reactstate` tinyint unsigned NOT NULL DEFAULT '0',
  `name` varchar(21) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT 'Pet',
  `renamed` tinyint unsigned NOT NULL DEFAULT '0',
  `slot` tinyint unsigned NOT NULL DEFAULT '0',
  `curhealth` int unsigned NOT NULL DEFAULT '1',
  `curmana` int unsigned NOT NULL DEFAULT '0',
  `curhappiness` int unsigned NOT NULL DEFAULT '0',
  `savetime` int unsigned NOT NULL DEFAULT '0',
  `abdata` text CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci,
  PRIMARY KEY (`id`),
  KEY `owner` (`owner`),
  KEY `idx_slot` (`slot`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Pet System';

-- Ten more per-character tables -------------------------------------------

-- from azerothcore/azerothcore-wotlk 3892b21a9390 data/sql/base/db_characters/character_achievement.sql (HeidiSQL dump, MySQL 8.1)
CREATE TABLE `character_achievement` (
  `guid` int unsigned NOT NULL,
  `achievement` smallint unsigned NOT NULL,
  `date` int unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`achievement`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- from azerothcore/azerothcore-wotlk f9c64a4be3c4 data/sql/base/db_characters/character_achievement_progress.sql (dump 2024-12-17)
CREATE TABLE `character_achievement_progress` (
  `guid` int unsigned NOT NULL,
  `criteria` smallint unsigned NOT NULL,
  `counter` int unsigned NOT NULL,
  `date` int unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`criteria`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- from azerothcore/azerothcore-wotlk 057d0c645e13 data/sql/base/db_characters/character_skills.sql (HeidiSQL dump)
CREATE TABLE `character_skills` (
  `guid` int unsigned NOT NULL COMMENT 'Global Unique Identifier',
  `skill` smallint unsigned NOT NULL,
  `value` smallint unsigned NOT NULL,
  `max` smallint unsigned NOT NULL,
  PRIMARY KEY (`guid`,`skill`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Player System';

-- from azerothcore/azerothcore-wotlk 2779094ffe99 data/sql/base/db_characters/character_talent.sql (HeidiSQL dump, MySQL 8.0.28)
CREATE TABLE `character_talent` (
  `guid` int unsigned NOT NULL,
  `spell` mediumint unsigned NOT NULL,
  `specMask` tinyint unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`spell`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- from azerothcore/azerothcore-wotlk 055c759f2c8a data/sql/base/db_characters/character_glyphs.sql (dump 2025-07-19)
CREATE TABLE `character_glyphs` (
  `guid` int unsigned NOT NULL,
  `talentGroup` tinyint unsigned NOT NULL DEFAULT '0',
  `glyph1` smallint unsigned DEFAULT '0',
  `glyph2` smallint unsigned DEFAULT '0',
  `glyph3` smallint unsigned DEFAULT '0',
  `glyph4` smallint unsigned DEFAULT '0',
  `glyph5` smallint unsigned DEFAULT '0',
  `glyph6` smallint unsigned DEFAULT '0',
  PRIMARY KEY (`guid`,`talentGroup`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- from azerothcore/azerothcore-wotlk 08643b3476d4 data/sql/base/db_characters/mail.sql (dump 2024-12-17)
-- receiver = character guid (sender too, for player mail).
CREATE TABLE `mail` (
  `id` int unsigned NOT NULL DEFAULT '0' COMMENT 'Identifier',
  `messageType` tinyint unsigned NOT NULL DEFAULT '0',
  `stationery` tinyint NOT NULL DEFAULT '41',
  `mailTemplateId` smallint unsigned NOT NULL DEFAULT '0',
  `sender` int unsigned NOT NULL DEFAULT '0' COMMENT 'Character Global Unique Identifier',
  `receiver` int unsigned NOT NULL DEFAULT '0' COMMENT 'Character Global Unique Identifier',
  `subject` longtext CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci,
  `body` longtext CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci,
  `has_items` tinyint unsigned NOT NULL DEFAULT '0',
  `expire_time` int unsigned NOT NULL DEFAULT '0',
  `deliver_time` int unsigned NOT NULL DEFAULT '0',
  `money` int unsigned NOT NULL DEFAULT '0',
  `cod` int unsigned NOT NULL DEFAULT '0',
  `checked` tinyint unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`id`),
  KEY `idx_receiver` (`receiver`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Mail System';

-- from azerothcore/azerothcore-wotlk 53f6718e24ec data/sql/base/db_characters/mail_items.sql (HeidiSQL dump, MySQL 8.0.28)
-- item_guid = item_instance.guid; receiver = character guid.
CREATE TABLE `mail_items` (
  `mail_id` int unsigned NOT NULL DEFAULT '0',
  `item_guid` int unsigned NOT NULL DEFAULT '0',
  `receiver` int unsigned NOT NULL DEFAULT '0' COMMENT 'Character Global Unique Identifier',
  PRIMARY KEY (`item_guid`),
  KEY `idx_receiver` (`receiver`),
  KEY `idx_mail_id` (`mail_id`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci ROW_FORMAT=DYNAMIC;

-- from azerothcore/azerothcore-wotlk 2217867b0de8 data/sql/base/db_characters/character_equipmentsets.sql (HeidiSQL dump)
-- guid = character (a SIGNED int here); item0..item18 = item_instance.guid.
CREATE TABLE `character_equipmentsets` (
  `guid` int NOT NULL DEFAULT '0',
  `setguid` bigint NOT NULL AUTO_INCREMENT,
  `setindex` tinyint unsigned NOT NULL DEFAULT '0',
  `name` varchar(31) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL,
  `iconname` varchar(100) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL,
  `ignore_mask` int unsigned NOT NULL DEFAULT '0',
  `item0` int unsigned NOT NULL DEFAULT '0',
  `item1` int unsigned NOT NULL DEFAULT '0',
  `item2` int unsigned NOT NULL DEFAULT '0',
  `item3` int unsigned NOT NULL DEFAULT '0',
  `item4` int unsigned NOT NULL DEFAULT '0',
  `item5` int unsigned NOT NULL DEFAULT '0',
  `item6` int unsigned NOT NULL DEFAULT '0',
  `item7` int unsigned NOT NULL DEFAULT '0',
  `item8` int unsigned NOT NULL DEFAULT '0',
  `item9` int unsigned NOT NULL DEFAULT '0',
  `item10` int unsigned NOT NULL DEFAULT '0',
  `item11` int unsigned NOT NULL DEFAULT '0',
  `item12` int unsigned NOT NULL DEFAULT '0',
  `item13` int unsigned NOT NULL DEFAULT '0',
  `item14` int unsigned NOT NULL DEFAULT '0',
  `item15` int unsigned NOT NULL DEFAULT '0',
  `item16` int unsigned NOT NULL DEFAULT '0',
  `item17` int unsigned NOT NULL DEFAULT '0',
  `item18` int unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`setguid`),
  UNIQUE KEY `idx_set` (`guid`,`setguid`,`setindex`),
  KEY `Idx_setindex` (`setindex`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- from azerothcore/azerothcore-wotlk 798dc41a32b0 data/sql/base/db_characters/character_queststatus_daily.sql (HeidiSQL dump)
CREATE TABLE `character_queststatus_daily` (
  `guid` int unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `quest` int unsigned NOT NULL DEFAULT '0' COMMENT 'Quest Identifier',
  `time` int unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`quest`),
  KEY `idx_guid` (`guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Player System';

-- from azerothcore/azerothcore-wotlk 02c0bc5f4683 data/sql/base/db_characters/character_spell_cooldown.sql (dump 2026-06-01)
-- time: unix time the cooldown ends.
CREATE TABLE `character_spell_cooldown` (
  `guid` int unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier, Low part',
  `spell` int unsigned NOT NULL DEFAULT '0' COMMENT 'Spell Identifier',
  `category` int unsigned DEFAULT '0',
  `item` int unsigned NOT NULL DEFAULT '0' COMMENT 'Item Identifier',
  `time` int unsigned NOT NULL DEFAULT '0',
  `needSend` tinyint unsigned NOT NULL DEFAULT '1',
  PRIMARY KEY (`guid`,`spell`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- from azerothcore/azerothcore-wotlk b058343e2221 data/sql/base/db_auth/updates.sql (the same table in every database)
CREATE TABLE `updates` LIKE `acore_auth`.`updates`;

-- Characters (guid, name, account): 1 Adminchar (1), 2 Gmchar (2), 3 Online
-- (4, online), 4 Orphan (99: no such account), 5 Иван (4, at_login 1 =
-- rename, declined names), 6 Stuck (3, on transport 9 near Valiance Keep,
-- map 571, with a corpse). watchedFaction 4294967295 = none, as written.
INSERT INTO `characters` (`guid`,`account`,`name`,`race`,`class`,`gender`,`level`,`xp`,`money`,`skin`,`face`,`hairStyle`,`hairColor`,`facialStyle`,`bankSlots`,`restState`,`playerFlags`,`position_x`,`position_y`,`position_z`,`map`,`instance_id`,`instance_mode_mask`,`orientation`,`taximask`,`online`,`cinematic`,`totaltime`,`leveltime`,`logout_time`,`is_logout_resting`,`rest_bonus`,`resettalents_cost`,`resettalents_time`,`trans_x`,`trans_y`,`trans_z`,`trans_o`,`transguid`,`extra_flags`,`stable_slots`,`at_login`,`zone`,`death_expire_time`,`taxi_path`,`arenaPoints`,`totalHonorPoints`,`todayHonorPoints`,`yesterdayHonorPoints`,`totalKills`,`todayKills`,`yesterdayKills`,`chosenTitle`,`knownCurrencies`,`watchedFaction`,`drunk`,`health`,`power1`,`power2`,`power3`,`power4`,`power5`,`power6`,`power7`,`latency`,`talentGroupsCount`,`activeTalentGroup`,`exploredZones`,`equipmentCache`,`ammoId`,`knownTitles`,`actionBars`,`grantableLevels`,`order`,`creation_date`,`deleteInfos_Account`,`deleteInfos_Name`,`deleteDate`,`innTriggerId`,`extraBonusTalentCount`) VALUES
(1,1,'Adminchar',1,1,0,80,0,12345678,1,2,3,4,1,2,1,0,-8833.38,628.628,94.0066,0,0,0,1.06465,'3456411898 2148078929 805356359 2 0 0 0 0 0 0 0 0 0 0 ',0,1,864000,3600,UNIX_TIMESTAMP(NOW() - INTERVAL 1 DAY),1,0,0,0,0,0,0,0,0,0,0,0,1519,0,'',0,1500,0,0,42,0,0,0,0,4294967295,0,25000,0,0,0,0,0,0,0,45,2,0,'4294967295 16777215 0 2147483648 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 65535 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','0 0 0 0 0 0 38 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 25 0 0 0 0 0 0 0 4496 0 0 0 0 0 0 0 ',0,'0 0 0 0 0 0 ',15,0,NULL,'2024-03-01 12:10:00',NULL,NULL,NULL,1,0),
(2,2,'Gmchar',2,1,1,70,1200,50000,3,1,2,1,0,0,2,0,1629.36,-4373.39,31.2564,1,0,0,3.54839,'2 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,1,312000,8000,UNIX_TIMESTAMP(NOW() - INTERVAL 3 DAY),0,0,0,0,0,0,0,0,0,0,0,0,1637,0,'',0,0,0,0,0,0,0,0,0,4294967295,0,9000,0,0,0,0,0,0,0,60,1,0,'255 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,'0 0 0 0 0 0 ',0,0,NULL,'2024-03-02 09:40:00',NULL,NULL,NULL,0,0),
(3,4,'Online',4,4,1,34,48000,98765,2,3,1,2,0,0,2,0,9949.56,2284.21,1341.4,1,0,0,1.59587,'2 0 0 0 0 0 0 0 0 0 0 0 0 0 ',1,1,150000,2400,UNIX_TIMESTAMP(NOW() - INTERVAL 2 DAY),0,0,0,0,0,0,0,0,0,0,0,0,1657,0,'',0,0,0,0,0,0,0,0,0,4294967295,0,1800,0,0,0,100,0,0,0,38,1,0,'255 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,'0 0 0 0 0 0 ',0,0,NULL,'2025-01-20 20:20:00',NULL,NULL,NULL,0,0),
(4,99,'Orphan',3,3,0,62,3000,4321,5,4,6,3,2,0,2,0,-4918.88,-940.406,501.564,0,0,0,5.42347,'2 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,1,400000,9000,1546300800,0,0,0,0,0,0,0,0,0,0,1,0,1537,0,'',0,0,0,0,0,0,0,0,0,4294967295,0,6000,4500,0,0,0,0,0,0,120,1,0,'255 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','0 0 0 0 0 0 38 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,'0 0 0 0 0 0 ',0,0,NULL,'2018-06-15 19:00:00',NULL,NULL,NULL,0,0),
(5,4,'Иван',1,2,0,12,700,1500,2,5,4,6,3,0,2,0,-8914.57,-133.909,80.5378,0,0,0,5.10109,'2 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,1,12000,900,UNIX_TIMESTAMP(NOW() - INTERVAL 4 DAY),0,0,0,0,0,0,0,0,0,0,0,1,12,0,'',0,0,0,0,0,0,0,0,0,4294967295,0,400,380,0,0,0,0,0,0,52,1,0,'255 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,'0 0 0 0 0 0 ',0,0,NULL,'2026-10-01 18:00:00',NULL,NULL,NULL,0,0),
(6,3,'Stuck',7,8,1,71,10000,250000,1,1,2,3,0,0,2,0,2234.28,5132.12,5.3443,571,0,0,2.9,'2 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,1,260000,5000,UNIX_TIMESTAMP(NOW() - INTERVAL 10 DAY),0,0,0,0,6.21,-3.15,10.03,1.57,9,0,0,0,3537,0,'',0,0,0,0,0,0,0,0,0,4294967295,0,7000,9000,0,0,0,0,0,0,70,1,0,'255 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,'0 0 0 0 0 0 ',0,0,NULL,'2024-05-10 18:10:00',NULL,NULL,NULL,0,0);

-- Adminchar's six items: 101 shirt and 102 sword equipped, 103 a bag in bag
-- slot 19 holding 104 and 105, 106 in the backpack. 105's template (99999)
-- does not exist; 103's template (4496) has no locale row. 401 is Orphan's,
-- 402 is in a mail to Orphan. Creator 1 on 402.
INSERT INTO `item_instance` (`guid`,`itemEntry`,`owner_guid`,`creatorGuid`,`giftCreatorGuid`,`count`,`duration`,`charges`,`flags`,`enchantments`,`randomPropertyId`,`durability`,`playedTime`,`text`) VALUES
(101,38,1,0,0,1,0,'0 0 0 0 0 ',1,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,0,0,''),
(102,25,1,0,0,1,0,'0 0 0 0 0 ',1,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,20,0,''),
(103,4496,1,0,0,1,0,'0 0 0 0 0 ',0,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,0,0,''),
(104,39,1,0,0,1,0,'0 0 0 0 0 ',1,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,25,0,''),
(105,99999,1,0,0,1,0,'0 0 0 0 0 ',1,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,0,0,''),
(106,40,1,0,0,1,0,'0 0 0 0 0 ',1,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,0,0,''),
(401,38,4,0,0,1,0,'0 0 0 0 0 ',1,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,0,0,''),
(402,25,4,1,0,1,0,'0 0 0 0 0 ',0,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,20,0,'');

INSERT INTO `character_inventory` (`guid`,`bag`,`slot`,`item`) VALUES
(1,0,3,101),
(1,0,15,102),
(1,0,19,103),
(1,103,0,104),
(1,103,1,105),
(1,0,23,106),
(4,0,3,401);

-- Adminchar: 7 in progress (5 of 8 kobolds), 99998 (no template) in
-- progress, 783 rewarded. Orphan: 15 in progress, 7 rewarded.
INSERT INTO `character_queststatus` (`guid`,`quest`,`status`,`explored`,`timer`,`mobcount1`,`mobcount2`,`mobcount3`,`mobcount4`,`itemcount1`,`itemcount2`,`itemcount3`,`itemcount4`,`itemcount5`,`itemcount6`,`playercount`) VALUES
(1,7,3,0,0,5,0,0,0,0,0,0,0,0,0,0),
(1,99998,3,0,0,0,0,0,0,0,0,0,0,0,0,0),
(4,15,3,1,0,0,0,0,0,0,0,0,0,0,0,0);

INSERT INTO `character_queststatus_rewarded` (`guid`,`quest`,`active`) VALUES
(1,783,1),
(4,7,1);

INSERT INTO `character_spell` (`guid`,`spell`,`specMask`) VALUES
(1,71,255),
(1,2457,255),
(1,47436,255),
(1,47450,255),
(1,47520,255),
(2,78,255),
(2,2457,255),
(2,6673,255),
(4,75,255),
(4,883,255),
(6,133,255);

-- Battle Stance (permanent) and Battle Shout on Adminchar, cast by itself;
-- Aspect of the Hawk on Orphan.
INSERT INTO `character_aura` (`guid`,`casterGuid`,`itemGuid`,`spell`,`effectMask`,`recalculateMask`,`stackCount`,`amount0`,`amount1`,`amount2`,`base_amount0`,`base_amount1`,`base_amount2`,`maxDuration`,`remainTime`,`remainCharges`) VALUES
(1,1,0,2457,1,1,1,0,0,0,0,0,0,-1,-1,0),
(1,1,0,47436,1,1,1,548,0,0,548,0,0,120000,95000,0),
(4,4,0,13165,1,1,1,20,0,0,20,0,0,-1,-1,0);

INSERT INTO `character_homebind` (`guid`,`mapId`,`zoneId`,`posX`,`posY`,`posZ`) VALUES
(1,0,1519,-8867.68,673.373,97.9034),
(2,1,1637,1633.75,-4439.39,15.7588),
(3,1,1657,9801.06,2206.27,1329.55),
(4,0,1537,-4918.88,-940.406,501.564),
(5,0,12,-9459.34,42.0805,56.8559),
(6,571,3537,2253.29,5197.88,11.4);

INSERT INTO `character_action` (`guid`,`spec`,`button`,`action`,`type`) VALUES
(1,0,0,47450,0),
(1,0,1,47520,0),
(4,0,0,75,0);

INSERT INTO `character_reputation` (`guid`,`faction`,`standing`,`flags`) VALUES
(1,72,42999,17),
(1,47,3100,17),
(4,47,1500,17);

-- Adminchar's friend Gmchar; Orphan ignores Adminchar.
INSERT INTO `character_social` (`guid`,`friend`,`flags`,`note`) VALUES
(1,2,1,'гильдия'),
(4,1,2,'');

INSERT INTO `character_declinedname` (`guid`,`genitive`,`dative`,`accusative`,`instrumental`,`prepositional`) VALUES
(5,'Ивана','Ивану','Ивана','Иваном','Иване');

-- Group 1: leader Adminchar, member Gmchar (group loot, uncommon threshold).
INSERT INTO `groups` (`guid`,`leaderGuid`,`lootMethod`,`looterGuid`,`lootThreshold`,`icon1`,`icon2`,`icon3`,`icon4`,`icon5`,`icon6`,`icon7`,`icon8`,`groupType`,`difficulty`,`raidDifficulty`,`masterLooterGuid`) VALUES
(1,1,3,1,2,0,0,0,0,0,0,0,0,0,0,0,0);

INSERT INTO `group_member` (`guid`,`memberGuid`,`memberFlags`,`subgroup`,`roles`) VALUES
(1,1,0,0,0),
(1,2,0,0,0);

INSERT INTO `corpse` (`guid`,`posX`,`posY`,`posZ`,`orientation`,`mapId`,`phaseMask`,`displayId`,`itemCache`,`bytes1`,`bytes2`,`guildId`,`flags`,`dynFlags`,`time`,`corpseType`,`instanceId`) VALUES
(4,-4911.2,-936.7,501.6,2.1,0,1,53,'0 0 0 67118755 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',83886848,33752580,0,4,0,UNIX_TIMESTAMP(NOW()) - 7200,1,0),
(6,2233.1,5150.5,0.5,3.14,571,1,1564,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',16844544,197121,0,4,0,UNIX_TIMESTAMP(NOW() - INTERVAL 10 DAY),1,0);

-- Orphan's hunter pet (current, slot 0).
INSERT INTO `character_pet` (`id`,`entry`,`owner`,`modelid`,`CreatedBySpell`,`PetType`,`level`,`exp`,`Reactstate`,`name`,`renamed`,`slot`,`curhealth`,`curmana`,`curhappiness`,`savetime`,`abdata`) VALUES
(1,3825,4,1056,13481,1,62,0,1,'Клык',1,0,5200,0,1050000,1546300800,'7 2 7 1 7 0 129 2649 129 17253 129 49966 1 0 1 0 6 2 6 1 6 0 ');

INSERT INTO `character_achievement` (`guid`,`achievement`,`date`) VALUES
(1,6,1709294400),
(1,13,1712000000),
(4,6,1530000000);

INSERT INTO `character_achievement_progress` (`guid`,`criteria`,`counter`,`date`) VALUES
(1,111,80,1712000000),
(4,111,62,1546300000);

INSERT INTO `character_skills` (`guid`,`skill`,`value`,`max`) VALUES
(1,26,400,400),
(1,43,400,400),
(4,45,310,310);

INSERT INTO `character_talent` (`guid`,`spell`,`specMask`) VALUES
(1,12296,1),
(4,19552,1);

INSERT INTO `character_glyphs` (`guid`,`talentGroup`,`glyph1`,`glyph2`,`glyph3`,`glyph4`,`glyph5`,`glyph6`) VALUES
(1,0,489,0,0,0,0,0),
(4,0,0,0,0,0,0,0);

-- A mail from Adminchar to Orphan carrying item 402.
INSERT INTO `mail` (`id`,`messageType`,`stationery`,`mailTemplateId`,`sender`,`receiver`,`subject`,`body`,`has_items`,`expire_time`,`deliver_time`,`money`,`cod`,`checked`) VALUES
(1,0,41,0,1,4,'Подарок','Держи меч.',1,1548892800,1546300800,0,0,0);

INSERT INTO `mail_items` (`mail_id`,`item_guid`,`receiver`) VALUES
(1,402,4);

INSERT INTO `character_equipmentsets` (`guid`,`setguid`,`setindex`,`name`,`iconname`,`ignore_mask`,`item0`,`item1`,`item2`,`item3`,`item4`,`item5`,`item6`,`item7`,`item8`,`item9`,`item10`,`item11`,`item12`,`item13`,`item14`,`item15`,`item16`,`item17`,`item18`) VALUES
(1,1,0,'Танк','INV_Shield_06',0,0,0,0,101,0,0,0,0,0,0,0,0,0,0,0,102,0,0,0),
(4,2,0,'PvP','Ability_Hunter_AspectOfTheHawk',0,0,0,0,401,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0);

INSERT INTO `character_queststatus_daily` (`guid`,`quest`,`time`) VALUES
(4,11335,1546290000);

INSERT INTO `character_spell_cooldown` (`guid`,`spell`,`category`,`item`,`time`,`needSend`) VALUES
(1,47436,0,0,UNIX_TIMESTAMP(NOW() + INTERVAL 1 MINUTE),1),
(4,883,0,0,1546300900,1);

INSERT INTO `updates` (`name`,`hash`,`state`,`timestamp`,`speed`) VALUES
('2026_07_22_00.sql','','RELEASED','2026-07-25 10:00:00',40),
('2026_08_15_00.sql','','RELEASED','2026-08-20 10:00:00',18);

-- ===========================================================================
-- acore_world (only the columns realmdesk needs; the rest are left out)
-- ===========================================================================
USE `acore_world`;

-- from azerothcore/azerothcore-wotlk f47faf36c8af data/sql/base/db_world/quest_template.sql (dump, MySQL 8.4.3)
-- Only the key, level, sort, race, next-quest and title columns are kept;
-- the other 90 columns (rewards, objectives, texts, ...) are left out. The
-- title is LogTitle. The previous-quest chain is NOT here: see
-- quest_template_addon.
CREATE TABLE `quest_template` (
  `ID` int unsigned NOT NULL DEFAULT '0',
  `QuestType` tinyint unsigned NOT NULL DEFAULT '2',
  `QuestLevel` smallint NOT NULL DEFAULT '1',
  `MinLevel` tinyint unsigned NOT NULL DEFAULT '0',
  `QuestSortID` smallint NOT NULL DEFAULT '0',
  `QuestInfoID` smallint unsigned NOT NULL DEFAULT '0',
  `SuggestedGroupNum` tinyint unsigned NOT NULL DEFAULT '0',
  `RewardNextQuest` int unsigned NOT NULL DEFAULT '0',
  `Flags` int unsigned NOT NULL DEFAULT '0',
  `AllowableRaces` int unsigned NOT NULL DEFAULT '0',
  `LogTitle` text CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci,
  `VerifiedBuild` int DEFAULT NULL,
  PRIMARY KEY (`ID`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Quest System';

-- from azerothcore/azerothcore-wotlk 055c759f2c8a data/sql/base/db_world/quest_template_addon.sql (dump 2025-07-19)
-- All 17 columns kept. PrevQuestID is SIGNED (negative = the quest must be
-- active, not rewarded); ExclusiveGroup signed (negative = all of the group
-- must be done); NextQuestID unsigned.
CREATE TABLE `quest_template_addon` (
  `ID` int unsigned NOT NULL DEFAULT '0',
  `MaxLevel` tinyint unsigned NOT NULL DEFAULT '0',
  `AllowableClasses` int unsigned NOT NULL DEFAULT '0',
  `SourceSpellID` int unsigned NOT NULL DEFAULT '0',
  `PrevQuestID` int NOT NULL DEFAULT '0',
  `NextQuestID` int unsigned NOT NULL DEFAULT '0',
  `ExclusiveGroup` int NOT NULL DEFAULT '0',
  `RewardMailTemplateID` int unsigned NOT NULL DEFAULT '0',
  `RewardMailDelay` int unsigned NOT NULL DEFAULT '0',
  `RequiredSkillID` smallint unsigned NOT NULL DEFAULT '0',
  `RequiredSkillPoints` smallint unsigned NOT NULL DEFAULT '0',
  `RequiredMinRepFaction` smallint unsigned NOT NULL DEFAULT '0',
  `RequiredMaxRepFaction` smallint unsigned NOT NULL DEFAULT '0',
  `RequiredMinRepValue` int NOT NULL DEFAULT '0',
  `RequiredMaxRepValue` int NOT NULL DEFAULT '0',
  `ProvidedItemCount` tinyint unsigned NOT NULL DEFAULT '0',
  `SpecialFlags` int unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`ID`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- quest_template_locale: azerothcore/azerothcore-wotlk data/sql/base/db_world/quest_template_locale.sql is
-- not in the stored index (too large); the columns are those the world server
-- reads (src/server/game/Globals/ObjectMgr.cpp, LoadQuestLocales:
-- "SELECT ID, locale, Title, Details, Objectives, EndText, CompletedText,
-- ObjectiveText1..4 FROM quest_template_locale") plus VerifiedBuild, in the
-- types of its sibling item_template_locale. Only ID, locale, Title and
-- VerifiedBuild are kept here; the other text columns are left out.
-- locale is the client locale name ('ruRU', 'deDE', ...); enUS lives in
-- quest_template itself.
CREATE TABLE `quest_template_locale` (
  `ID` int unsigned NOT NULL DEFAULT '0',
  `locale` varchar(4) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL,
  `Title` text CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci,
  `VerifiedBuild` int DEFAULT NULL,
  PRIMARY KEY (`ID`,`locale`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- from azerothcore/azerothcore-wotlk 0544096227bc data/sql/base/db_world/item_template.sql (dump, MySQL 8.4.3)
-- Only entry, class/subclass, name, display, quality, slot type, levels,
-- bag size, durability and VerifiedBuild are kept; the other 120 columns are
-- left out.
CREATE TABLE `item_template` (
  `entry` int unsigned NOT NULL DEFAULT '0',
  `class` tinyint unsigned NOT NULL DEFAULT '0',
  `subclass` tinyint unsigned NOT NULL DEFAULT '0',
  `name` varchar(255) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '',
  `displayid` int unsigned NOT NULL DEFAULT '0',
  `Quality` tinyint unsigned NOT NULL DEFAULT '0',
  `InventoryType` tinyint unsigned NOT NULL DEFAULT '0',
  `ItemLevel` smallint unsigned NOT NULL DEFAULT '0',
  `RequiredLevel` tinyint unsigned NOT NULL DEFAULT '0',
  `ContainerSlots` tinyint unsigned NOT NULL DEFAULT '0',
  `MaxDurability` smallint unsigned NOT NULL DEFAULT '0',
  `VerifiedBuild` int DEFAULT NULL,
  PRIMARY KEY (`entry`),
  KEY `idx_name` (`name`(250)),
  KEY `items_index` (`class`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Item System';

-- from mygithome002/azerothcore-wotlk 76e6a6d8a4ae data/sql/base/db_world/item_template_locale.sql (a fork:
-- the upstream file is not in the stored index; HeidiSQL dump, MySQL 8.1)
CREATE TABLE `item_template_locale` (
  `ID` int unsigned NOT NULL DEFAULT '0',
  `locale` varchar(4) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL,
  `Name` text CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci,
  `Description` text CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci,
  `VerifiedBuild` int DEFAULT NULL,
  PRIMARY KEY (`ID`,`locale`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- from azerothcore/azerothcore-wotlk 057d0c645e13 data/sql/base/db_world/version.sql (HeidiSQL dump; the
-- world server rewrites core_version/core_revision at start-up)
CREATE TABLE `version` (
  `core_version` varchar(255) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL DEFAULT '' COMMENT 'Core revision dumped at startup.',
  `core_revision` varchar(120) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci DEFAULT NULL,
  `db_version` varchar(120) CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci DEFAULT NULL COMMENT 'Version of world DB.',
  `cache_id` int DEFAULT '0',
  PRIMARY KEY (`core_version`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci COMMENT='Version Notes';

-- from azerothcore/azerothcore-wotlk b058343e2221 data/sql/base/db_auth/updates.sql (the same table in every database)
CREATE TABLE `updates` LIKE `acore_auth`.`updates`;

-- Quests: 783 -> 7 -> 15 is a chain through quest_template_addon.PrevQuestID;
-- 2 carries a NextQuestID and a negative ExclusiveGroup, 5 a RewardNextQuest
-- and a PrevQuestID (163) whose template is not here. 99998 (Adminchar) has
-- no template. Rows of 2, 5 and 7 are as in the published dump; 15 and 783
-- are written with plausible values (their published rows were not read).
INSERT INTO `quest_template` (`ID`,`QuestType`,`QuestLevel`,`MinLevel`,`QuestSortID`,`QuestInfoID`,`SuggestedGroupNum`,`RewardNextQuest`,`Flags`,`AllowableRaces`,`LogTitle`,`VerifiedBuild`) VALUES
(2,2,30,20,331,0,0,0,0,690,'Sharptalon''s Claw',12340),
(5,2,20,17,10,0,0,93,8,1101,'Jitters'' Growling Gut',12340),
(7,2,2,1,9,0,0,0,524296,1101,'Kobold Camp Cleanup',12340),
(15,2,5,2,9,0,0,0,524296,1101,'Investigate Echo Ridge',12340),
(783,2,1,1,9,0,0,0,524288,1101,'A Threat Within',12340);

INSERT INTO `quest_template_addon` (`ID`,`MaxLevel`,`AllowableClasses`,`SourceSpellID`,`PrevQuestID`,`NextQuestID`,`ExclusiveGroup`,`RewardMailTemplateID`,`RewardMailDelay`,`RequiredSkillID`,`RequiredSkillPoints`,`RequiredMinRepFaction`,`RequiredMaxRepFaction`,`RequiredMinRepValue`,`RequiredMaxRepValue`,`ProvidedItemCount`,`SpecialFlags`) VALUES
(2,0,0,0,6383,247,-2,0,0,0,0,0,0,0,0,1,0),
(5,0,0,0,163,0,0,0,0,0,0,0,0,0,0,0,0),
(7,0,0,0,783,0,0,0,0,0,0,0,0,0,0,0,4),
(15,0,0,0,7,0,0,0,0,0,0,0,0,0,0,0,4),
(783,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0);

-- Russian titles for 783 and 7 only (and a German one for 7).
INSERT INTO `quest_template_locale` (`ID`,`locale`,`Title`,`VerifiedBuild`) VALUES
(7,'deDE','Säuberung des Koboldlagers',15050),
(7,'ruRU','Зачистка лагеря кобольдов',15050),
(783,'ruRU','Угроза изнутри',15050);

-- Items: rows of 25, 38, 39 and 40 as in the published dump (kept columns);
-- 4496 Small Brown Pouch (a 6-slot bag; its row is written from memory,
-- not read) has no locale row; 99999 has no
-- template at all.
INSERT INTO `item_template` (`entry`,`class`,`subclass`,`name`,`displayid`,`Quality`,`InventoryType`,`ItemLevel`,`RequiredLevel`,`ContainerSlots`,`MaxDurability`,`VerifiedBuild`) VALUES
(25,2,7,'Worn Shortsword',1542,1,21,2,1,0,20,12340),
(38,4,0,'Recruit''s Shirt',9891,1,4,1,0,0,0,12340),
(39,4,1,'Recruit''s Pants',9892,0,7,1,1,0,25,12340),
(40,4,0,'Recruit''s Boots',10141,1,8,1,0,0,0,12340),
(4496,1,0,'Small Brown Pouch',1171,1,18,5,0,6,0,12340);

-- ruRU names as published (item_template_locale of the fork named above).
INSERT INTO `item_template_locale` (`ID`,`locale`,`Name`,`Description`,`VerifiedBuild`) VALUES
(25,'ruRU','Иссеченный короткий меч','',15050),
(38,'deDE','Rekrutenhemd','',15050),
(38,'ruRU','Рубашка рекрута','',15050),
(39,'ruRU','Штаны рекрута','',15050),
(40,'ruRU','Сапоги рекрута','',15050);

INSERT INTO `version` (`core_version`,`core_revision`,`db_version`,`cache_id`) VALUES
('AzerothCore rev. 747a2a4f0edf 2021-10-13 20:07:19 +0200 (master branch) (Win64, RelWithDebInfo, Static)','747a2a4f0edf','ACDB 335.5-dev',5);

INSERT INTO `updates` (`name`,`hash`,`state`,`timestamp`,`speed`) VALUES
('2026_09_20_00.sql','','RELEASED','2026-09-25 10:00:00',95);
