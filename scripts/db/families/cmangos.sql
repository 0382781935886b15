-- realmdesk test fixture, family "cmangos" (Continued MaNGOS, WotLK core).
--
-- Creates the three databases of a cmangos server under the names its own
-- sql/create/db_create_mysql.sql uses: `wotlkrealmd` (login), `wotlkcharacters`
-- and `wotlkmangos` (world); fills them with the common test scenario as this
-- server writes it. Every table comes from
--   cmangos/mangos-wotlk commit 75057b03b5 (2026-08-21), files
--   sql/base/realmd.sql      (realmd_db_version: required_14083_01_..., the last
--                             file of sql/updates/realmd, so base is current)
--   sql/base/characters.sql  (character_db_version: required_14097_01_..., the
--                             last file of sql/updates/characters)
--   sql/base/mangos.sql      (db_version: required_14104_01_...)
-- and each CREATE TABLE below names its file again. Tables are copied as
-- published (columns, types, defaults, keys, engines, AUTO_INCREMENT and
-- comments) with one change: the published "CHARSET=utf8" is written
-- "CHARSET=utf8mb3", which is what MariaDB reads "utf8" as anyway.
-- World tables keep only a few columns (see the comment above each).
--
-- There is no broadcast table in any cmangos database (no autobroadcast in
-- realmd, characters or mangos, nor in the server code).
--
-- Passwords: the account table has no password hash, only the SRP6 salt `s`
-- and verifier `v` as upper-case hex of big-endian numbers (see the comment
-- at the account rows). Accounts 1-4 are the rows cmangos ships, byte for
-- byte; the UPDATEs after them are the statements the servers run when those
-- accounts log in.
--
-- Time: "recent" values are relative to the time of loading (NOW() - n);
-- stale and historical ones are fixed. account_logons.loginTime is a
-- TIMESTAMP, so its fixed values are read in the session time zone.
--
-- Load as root after scripts/db/schema.sql and data.sql:
--   mariadb --default-character-set=utf8mb4 < cmangos.sql

SET NAMES utf8mb4;

DROP DATABASE IF EXISTS `wotlkrealmd`;
DROP DATABASE IF EXISTS `wotlkcharacters`;
DROP DATABASE IF EXISTS `wotlkmangos`;

-- from cmangos/mangos-wotlk 75057b03b5 sql/create/db_create_mysql.sql
-- ("DEFAULT CHARACTER SET utf8 COLLATE utf8_general_ci")
CREATE DATABASE `wotlkrealmd`     DEFAULT CHARACTER SET utf8mb3 COLLATE utf8mb3_general_ci;
CREATE DATABASE `wotlkcharacters` DEFAULT CHARACTER SET utf8mb3 COLLATE utf8mb3_general_ci;
CREATE DATABASE `wotlkmangos`     DEFAULT CHARACTER SET utf8mb3 COLLATE utf8mb3_general_ci;

-- ===========================================================================
-- wotlkrealmd (login database)
-- ===========================================================================
USE `wotlkrealmd`;

-- Schema version: one bit column named after the last applied update
-- (wotlk numbers them 14xxx; tbc "s2xxx", classic "z2xxx").
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/realmd.sql
CREATE TABLE `realmd_db_version` (
  `required_14083_01_realmd_joindate_datetime` bit(1) DEFAULT NULL
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Last applied sql update to DB';
INSERT INTO `realmd_db_version` VALUES (NULL);

-- Accounts. gmlevel is global (no per-realm GM table). No last_login and no
-- last_ip column: every login is a row in account_logons. lockedIp is the old
-- last_ip column renamed by update 14027 and is no longer written by the
-- servers; it is only compared with the client address when locked = 1.
-- sessionkey/v/s are upper-case hex (OpenSSL BN_bn2hex), no 0x, leading zero
-- bytes dropped; v of account 5 starts with a zero nibble ("0F...").
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/realmd.sql
CREATE TABLE `account` (
  `id` int(11) unsigned NOT NULL AUTO_INCREMENT COMMENT 'Identifier',
  `username` varchar(32) NOT NULL DEFAULT '',
  `gmlevel` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `sessionkey` longtext,
  `v` longtext,
  `s` longtext,
  `email` text,
  `joindate` DATETIME NOT NULL DEFAULT NOW(),
  `lockedIp` varchar(30) NOT NULL DEFAULT '0.0.0.0',
  `failed_logins` int(11) unsigned NOT NULL DEFAULT '0',
  `locked` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `last_module` char(32) DEFAULT '',
  `module_day` mediumint(8) unsigned NOT NULL DEFAULT '0',
  `active_realm_id` int(11) unsigned NOT NULL DEFAULT '0',
  `expansion` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `mutetime` bigint(40) unsigned NOT NULL DEFAULT '0',
  `locale` varchar(4) NOT NULL DEFAULT '',
  `os` VARCHAR(4) NOT NULL DEFAULT '0',
  `platform` VARCHAR(4) NOT NULL DEFAULT '0',
  `token` text,
  `flags` INT UNSIGNED NOT NULL DEFAULT '0',
  PRIMARY KEY (`id`),
  UNIQUE KEY `idx_username` (`username`),
  KEY `idx_gmlevel` (`gmlevel`)
) ENGINE=MyISAM AUTO_INCREMENT=5 DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Account System';

-- Shipped rows (sql/base/realmd.sql), copied byte for byte.
INSERT INTO `account` VALUES
(1,'ADMINISTRATOR',3,'','312B99EEF1C0196BB73B79D114CE161C5D089319E6EF54FAA6117DAB8B672C14','8EB5DE915AA3D805FA7099CF61C0BB8A77990EA869078A0C5B9EEE55828F4505','','2006-04-25 10:18:56','127.0.0.1',0,0,'',0,0,0,0,'',0,0,NULL,0),
(2,'GAMEMASTER',2,'','681F5A7D4DE26DBFD3060EE37E03B79FD154875FB18F44DBF843963F193FC1AC','8873CD861DEFBF124232D6A29E4884E34C73385304A8AC44175976B1003DCFD7','','2006-04-25 10:18:56','127.0.0.1',0,0,'',0,0,0,0,'',0,0,NULL,0),
(3,'MODERATOR',1,'','2CA85C9853E44A6DCE09FC92EBDE57EF20975281EB7604326E25751AF8576859','AD68B088D7BCE5E4B734495A7A956F1D5DD1BAB61FB0FEE46C737D93EC166DF5','','2006-04-25 10:19:35','127.0.0.1',0,0,'',0,0,0,0,'',0,0,NULL,0),
(4,'PLAYER',0,'','3738EC7E7C731FD431C716990C6D97CA5C1D50EF0DA7DE9819076DE1D03AA891','EBA23AF194D89B8061CA7FEBA06D336B1C38D8FBDABA76F2C51D45141362D881','','2006-04-25 10:19:35','127.0.0.1',0,0,'',0,0,0,0,'',0,0,NULL,0);
-- Their v match "password = user name"; checked with (n and s of the row):
--   python3 -c "import hashlib;N=int('894B645E89E1535BBDAD5B8B290650530801B18EBFBF5E8FAB3C82872A3E9BB7',16);n='PLAYER';s='EBA23AF194D89B8061CA7FEBA06D336B1C38D8FBDABA76F2C51D45141362D881';x=int.from_bytes(hashlib.sha1(bytes.fromhex(s)[::-1]+hashlib.sha1((n+':'+n).encode()).digest()).digest(),'little');print(format(pow(7,x,N),'X'))"
-- which prints the v of the row (3738EC7E...A891).
--
-- Accounts 5-8: password = user name. s is 32 bytes with the top bit and the
-- lowest bit set, as BN_rand(256, 0, 1) makes them; derived here from a fixed
-- seed so that the file is reproducible. Computed with:
--   python3 -c "import hashlib;N=int('894B645E89E1535BBDAD5B8B290650530801B18EBFBF5E8FAB3C82872A3E9BB7',16);n='STALE';s=bytearray(hashlib.sha256(b'cmangos-fixture:'+n.encode()).digest());s[0]|=0x80;s[31]|=1;x=int.from_bytes(hashlib.sha1(bytes(s)[::-1]+hashlib.sha1((n+':'+n).encode()).digest()).digest(),'little');v=format(pow(7,x,N),'X');v='0'*(len(v)%2)+v;print('s',bytes(s).hex().upper(),'v',v)"
-- (n = STALE, SAMEIP, NOCHARS, BANNED). The server hashes the salt as the
-- little-endian bytes of the number s (s.AsByteArray()), hence [::-1].
-- sessionkey values are arbitrary 40-byte keys in the server's format.
INSERT INTO `account` (`id`,`username`,`gmlevel`,`sessionkey`,`v`,`s`,`email`,`joindate`,`lockedIp`,`failed_logins`,`locked`,`last_module`,`module_day`,`active_realm_id`,`expansion`,`mutetime`,`locale`,`os`,`platform`,`token`,`flags`) VALUES
(5,'STALE',0,'5879FB23BF2E36B6222E290294E209B5A7548AFFADAD311B53D6287A2A1E165E02E9D330F1593FA0','0F34A1AE53C83FB5C258CB2CE680D27B16F981444C4B13709A30DD351ACFA3A5','99BD5C1F0FFD260A3F894A1C427AF6CB68101667172C130684F154A7F80744A7','stale@example.org','2018-06-01 12:00:00','85.143.1.9',0,0,'',0,0,1,0,'enUS','Win','x86',NULL,0),
(6,'SAMEIP',0,'09730EABEF558EC4A5209EB4209625A921FA20A4FB2CC9DBD33CD822D1E134A59320A9CD2A2ACA6C','7F5D1C6BC68E9FDBB4888FEF873AFF8C8277FFDC92EFE3A7AE0A7DA37C095993','9B058C7EDFA175D2374EB470507C712CF9F5D7D920514666DA172F4138BD5843','sameip@example.org','2025-09-10 18:30:00','0.0.0.0',0,0,'',0,0,2,UNIX_TIMESTAMP(NOW() + INTERVAL 2 DAY),'ruRU','Win','x86',NULL,0),
(7,'NOCHARS',0,'DF1DC67A7682958220FF9B25D0CE19206CC5882299964EBB6D49C5CCDF0A4A1A0498E9280747F81B','360C89F981FB575D3853CD6A9F6989637F8D412B07EA74301E81C7C2312DF334','BF8083700151E3114B21673A080429C7056E5AB212A259201F260A72E304165F',NULL,'2023-03-14 09:15:00','10.1.2.3',0,0,'',0,0,2,0,'enGB','OSX','x86',NULL,0),
(8,'BANNED',0,'A2A551793E8421958BB182457C3F767F46982C16318B4FBA14BC8D87DD7C3DCBE46F9B0509A4A600','68E657D0EEF7EB8307DD049798B0998F4D16A25A6F74A9BD0D9E0B311CCB2FF7','9549EAC598A7930A2FA1743689623A13ED1D7D34B8F1D7D88B0B68F305723DC3','banned@example.org','2024-02-02 20:00:00','198.51.100.23',2,1,'',0,0,2,0,'enUS','Win','x86',NULL,0);
-- 5: lockedIp still holds its last IP of 2019 (written before update 14027).
-- 6: muted for two more days (mutetime is a unix time).
-- 7: no e-mail (NULL: the server's own account creation never sets it);
--    lockedIp 10.1.2.3 is NOT its last IP (that is in account_logons).
-- 8: locked to 198.51.100.23, two failed logins.

-- What realmd writes at a successful login (src/realmd/AuthSocket.cpp:1154),
-- what ".account set addon" writes (src/game/Chat/Level3.cpp:6935), and the
-- in-game realm of an account with a character online
-- (src/game/Entities/CharacterHandler.cpp:994; reset to 0 at logout,
-- src/game/Server/WorldSession.cpp:724). PLAYER's Cyrillic e-mail is set
-- last (the servers have no statement that writes email).
UPDATE account SET sessionkey = '2FCF4748111DC1FB0AF379A6E7300A98282B5D8642D5AB13B05861060470D0A26DC3C345475C39CC', locale = 'enUS', failed_logins = 0, os = 'Win', platform = 'x86' WHERE username = 'ADMINISTRATOR';
UPDATE account SET sessionkey = '73C019A6CFE142FB864D44A478180094091B7E0F7E09C0525855AA43F067D19F5CB9AC1682FA24DB', locale = 'enUS', failed_logins = 0, os = 'Win', platform = 'x86' WHERE username = 'GAMEMASTER';
UPDATE account SET sessionkey = '9EEE7F9AAFFF9CD30810292B4A416281E1A4B1F13F3B5AE1BFFB39FABD6433AB72DE22C5036383FF', locale = 'enUS', failed_logins = 0, os = 'OSX', platform = 'x86' WHERE username = 'MODERATOR';
UPDATE account SET sessionkey = 'C033A7B1EB7804444906C5EB50E6625CADAA891CEA0A373AD4401E1C7CB1C6E3A454227A544A9E79', locale = 'ruRU', failed_logins = 0, os = 'Win', platform = 'x86' WHERE username = 'PLAYER';
UPDATE account SET expansion = '2' WHERE id IN (1, 2, 3, 4);
UPDATE account SET active_realm_id = 1 WHERE id = 4;
UPDATE account SET email = 'игрок@почта.рф' WHERE id = 4;

-- Bans. Unix times (bigint). Active = active = 1 AND (expires_at > now OR
-- expires_at = banned_at); expires_at = banned_at is permanent. Unbanning
-- sets active = 0, unbanned_at, unbanned_by on all the account's rows and
-- adds a row "UNBAN: <text>" with active = 0 and expires_at = banned_at + 1
-- (src/game/World/World.cpp:2099 and 2196); WARN/NOTE rows look the same.
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/realmd.sql
CREATE TABLE `account_banned` (
  `id` int(11) AUTO_INCREMENT,
  `account_id` int(11) NOT NULL DEFAULT '0' COMMENT 'Account id',
  `banned_at` bigint(40) NOT NULL DEFAULT '0',
  `expires_at` bigint(40) NOT NULL DEFAULT '0',
  `banned_by` varchar(50) NOT NULL,
  `unbanned_at` bigint(40) NOT NULL DEFAULT '0',
  `unbanned_by` varchar(50) DEFAULT NULL,
  `reason` varchar(255) NOT NULL,
  `active` tinyint(4) NOT NULL DEFAULT '1',
  PRIMARY KEY (`id`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Ban List';
INSERT INTO `account_banned` (`id`,`account_id`,`banned_at`,`expires_at`,`banned_by`,`unbanned_at`,`unbanned_by`,`reason`,`active`) VALUES
(1,8,1740787200,1741392000,'Adminchar',0,NULL,'Оскорбления в чате',0),
(2,8,UNIX_TIMESTAMP(NOW() - INTERVAL 10 DAY),1893456000,'Gmchar',0,NULL,'Bot farming',1),
(3,4,UNIX_TIMESTAMP(NOW() - INTERVAL 30 DAY),UNIX_TIMESTAMP(NOW() + INTERVAL 30 DAY),'Gmchar',UNIX_TIMESTAMP(NOW() - INTERVAL 25 DAY),'Adminchar','Spam',0),
(4,4,UNIX_TIMESTAMP(NOW() - INTERVAL 25 DAY),UNIX_TIMESTAMP(NOW() - INTERVAL 25 DAY) + 1,'Adminchar',0,NULL,'UNBAN: ошибка модератора',0),
(5,555,1700000000,1700000000,'Anticheat',0,NULL,'Cheat detected',1);
-- 1: account 8, expired 2025-03-08 (realmd sets active = 0 at start-up)
-- 2: account 8, active until 2030-01-01 00:00:00 UTC
-- 3: account 4, lifted by Adminchar; 4: the note row that unban adds
-- 5: account 555 (does not exist), permanent

-- IP bans: no active flag; permanent = expires_at = banned_at; expired rows
-- are deleted by realmd/mangosd at start-up and by ".banlist ip".
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/realmd.sql
CREATE TABLE `ip_banned` (
  `ip` varchar(32) NOT NULL DEFAULT '0.0.0.0',
  `banned_at` bigint(40) NOT NULL,
  `expires_at` bigint(40) NOT NULL,
  `banned_by` varchar(50) NOT NULL DEFAULT '[Console]',
  `reason` varchar(255) NOT NULL DEFAULT 'no reason',
  PRIMARY KEY (`ip`,`banned_at`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Banned IPs';
INSERT INTO `ip_banned` (`ip`,`banned_at`,`expires_at`,`banned_by`,`reason`) VALUES
('203.0.113.77',1735689600,1735689600,'Adminchar','DDoS на логин-сервер'),
('10.10.10.10',1700000000,1700086400,'[Console]','Реклама');

-- Logins (update 14027). One row per login: realmd writes loginSource 0
-- (src/realmd/AuthSocket.cpp:1157); mangosd writes the realm id into
-- loginSource (src/game/Server/WorldSocket.cpp:543-544). Last login and last
-- IP of an account = its row with the greatest loginTime.
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/realmd.sql
-- (published without ENGINE and CHARSET: it takes the server's default
-- engine, InnoDB, and the database's character set)
CREATE TABLE `account_logons` (
`id` INT PRIMARY KEY NOT NULL AUTO_INCREMENT,
`accountId` INT UNSIGNED NOT NULL,
`ip` varchar(30) NOT NULL,
`loginTime` timestamp NOT NULL,
`loginSource` INT UNSIGNED NOT NULL
);
INSERT INTO `account_logons` (`id`,`accountId`,`ip`,`loginTime`,`loginSource`) VALUES
(1,5,'85.143.1.9','2019-01-15 09:59:57',0),
(2,5,'85.143.1.9','2019-01-15 10:00:00',1),
(3,7,'10.1.2.3','2023-03-14 09:20:00',0),
(4,8,'198.51.100.23',NOW() - INTERVAL 12 DAY,0),
(5,8,'198.51.100.23',NOW() - INTERVAL 12 DAY + INTERVAL 3 SECOND,1),
(6,4,'10.0.0.5',NOW() - INTERVAL 40 DAY,0),
(7,4,'10.0.0.5',NOW() - INTERVAL 40 DAY + INTERVAL 4 SECOND,1),
(8,3,'192.168.1.11',NOW() - INTERVAL 5 DAY,0),
(9,3,'192.168.1.11',NOW() - INTERVAL 5 DAY + INTERVAL 2 SECOND,1),
(10,6,'192.168.1.20',NOW() - INTERVAL 3 DAY,0),
(11,6,'192.168.1.20',NOW() - INTERVAL 3 DAY + INTERVAL 5 SECOND,2),
(12,7,'172.16.0.7',NOW() - INTERVAL 2 DAY,0),
(13,7,'172.16.0.7',NOW() - INTERVAL 2 DAY + INTERVAL 6 SECOND,1),
(14,2,'192.168.1.10',NOW() - INTERVAL 2 DAY,0),
(15,2,'192.168.1.10',NOW() - INTERVAL 2 DAY + INTERVAL 2 SECOND,1),
(16,1,'127.0.0.1',NOW() - INTERVAL 1 DAY,0),
(17,1,'127.0.0.1',NOW() - INTERVAL 1 DAY + INTERVAL 1 SECOND,1),
(18,4,'192.168.1.20',NOW() - INTERVAL 1 HOUR,0),
(19,4,'192.168.1.20',NOW() - INTERVAL 1 HOUR + INTERVAL 3 SECOND,1);
-- account_logons exists since update 14027 (November 2020), which dropped
-- account.last_login without copying it: a real server has no rows from
-- before that. Rows 1-3 are kept for the common scenario.
-- 5 STALE: last login 2019-01-15 10:00:00. 4 PLAYER: older logins from
-- 10.0.0.5, last from 192.168.1.20, the last IP of 6 SAMEIP too (6 entered
-- realm 2). 7 NOCHARS: recent, from 172.16.0.7 (not its lockedIp).

-- Realm list. realmflags: 0x01 invalid (hidden), 0x02 offline (set by
-- mangosd at shutdown), 0x04 show build, 0x20 new players, 0x40 recommended.
-- icon: 0 normal, 1 PvP, 4 normal, 6 RP, 8 RP-PvP. timezone = realm zone of
-- mangosd.conf (8 English, 12 Russian). realmbuilds: accepted client builds
-- separated by spaces, written by mangosd at start-up with a trailing space
-- (src/mangosd/Master.cpp:149). population = sessions / limit * 2.
-- No local address / subnet column.
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/realmd.sql
CREATE TABLE `realmlist` (
  `id` int(11) unsigned NOT NULL AUTO_INCREMENT,
  `name` varchar(32) NOT NULL DEFAULT '',
  `address` varchar(32) NOT NULL DEFAULT '127.0.0.1',
  `port` int(11) NOT NULL DEFAULT '8085',
  `icon` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `realmflags` tinyint(3) unsigned NOT NULL DEFAULT '2' COMMENT 'Supported masks: 0x1 (invalid, not show in realm list), 0x2 (offline, set by mangosd), 0x4 (show version and build), 0x20 (new players), 0x40 (recommended)',
  `timezone` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `allowedSecurityLevel` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `population` float unsigned NOT NULL DEFAULT '0',
  `realmbuilds` varchar(64) NOT NULL DEFAULT '',
  PRIMARY KEY (`id`),
  UNIQUE KEY `idx_name` (`name`)
) ENGINE=MyISAM AUTO_INCREMENT=2 DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Realm System';
INSERT INTO `realmlist` (`id`,`name`,`address`,`port`,`icon`,`realmflags`,`timezone`,`allowedSecurityLevel`,`population`,`realmbuilds`) VALUES
(1,'Вечный Огонь','127.0.0.1',8085,1,64,12,0,0.02,'12340 '),
(2,'Northwind','192.168.1.50',8086,0,6,8,1,0,'12340 ');

-- Characters per account and realm: account creation inserts a row for
-- every realm (src/game/Accounts/AccountMgr.cpp:67); mangosd keeps numchars.
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/realmd.sql
CREATE TABLE `realmcharacters` (
  `realmid` int(11) unsigned NOT NULL DEFAULT '0',
  `acctid` bigint(20) unsigned NOT NULL,
  `numchars` tinyint(3) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`realmid`,`acctid`),
  KEY `acctid` (`acctid`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Realm Character Tracker';
INSERT INTO `realmcharacters` (`realmid`,`acctid`,`numchars`) VALUES
(1,1,1),(1,2,1),(1,3,1),(1,4,2),(1,5,0),(1,6,0),(1,7,0),(1,8,0),
(2,1,0),(2,2,0),(2,3,0),(2,4,0),(2,5,0),(2,6,0),(2,7,0),(2,8,0);

-- ===========================================================================
-- wotlkcharacters
-- ===========================================================================
USE `wotlkcharacters`;

-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `character_db_version` (
  `required_14097_01_characters_achievement_failed` bit(1) DEFAULT NULL
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Last applied sql update to DB';
INSERT INTO `character_db_version` VALUES (NULL);

-- Characters: no packed `data` column; level, money, position etc. are
-- columns; taximask (14 numbers), exploredZones (128), equipmentCache (40:
-- entry and enchantment of the 19 equipment slots, then the first bag and 0)
-- and knownTitles (6) are space-separated numbers with a trailing space; the
-- server ignores a string with a different count. at_login: 0x01 rename,
-- 0x02 reset spells, 0x04 reset talents, 0x08 customize, 0x10 reset pet
-- talents, 0x20 first login, 0x40 reset taxi nodes, 0x80 add BG deserter.
-- watchedFaction 4294967295 = none (saved as uint32(-1)).
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `characters` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `account` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Account Identifier',
  `name` varchar(12) NOT NULL DEFAULT '',
  `race` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `class` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `gender` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `level` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `xp` int(10) unsigned NOT NULL DEFAULT '0',
  `money` int(10) unsigned NOT NULL DEFAULT '0',
  `playerBytes` int(10) unsigned NOT NULL DEFAULT '0',
  `playerBytes2` int(10) unsigned NOT NULL DEFAULT '0',
  `playerFlags` int(10) unsigned NOT NULL DEFAULT '0',
  `position_x` float NOT NULL DEFAULT '0',
  `position_y` float NOT NULL DEFAULT '0',
  `position_z` float NOT NULL DEFAULT '0',
  `map` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Map Identifier',
  `dungeon_difficulty` tinyint(1) unsigned NOT NULL DEFAULT '0',
  `orientation` float NOT NULL DEFAULT '0',
  `taximask` longtext,
  `online` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `cinematic` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `totaltime` int(11) unsigned NOT NULL DEFAULT '0',
  `leveltime` int(11) unsigned NOT NULL DEFAULT '0',
  `logout_time` bigint(20) unsigned NOT NULL DEFAULT '0',
  `is_logout_resting` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `rest_bonus` float NOT NULL DEFAULT '0',
  `resettalents_cost` int(11) unsigned NOT NULL DEFAULT '0',
  `resettalents_time` bigint(20) unsigned NOT NULL DEFAULT '0',
  `trans_x` float NOT NULL DEFAULT '0',
  `trans_y` float NOT NULL DEFAULT '0',
  `trans_z` float NOT NULL DEFAULT '0',
  `trans_o` float NOT NULL DEFAULT '0',
  `transguid` bigint(20) unsigned NOT NULL DEFAULT '0',
  `extra_flags` int(11) unsigned NOT NULL DEFAULT '0',
  `stable_slots` tinyint(1) unsigned NOT NULL DEFAULT '0',
  `at_login` int(11) unsigned NOT NULL DEFAULT '0',
  `zone` int(11) unsigned NOT NULL DEFAULT '0',
  `death_expire_time` bigint(20) unsigned NOT NULL DEFAULT '0',
  `taxi_path` text,
  `arenaPoints` int(10) unsigned NOT NULL DEFAULT '0',
  `totalHonorPoints` int(10) unsigned NOT NULL DEFAULT '0',
  `todayHonorPoints` int(10) unsigned NOT NULL DEFAULT '0',
  `yesterdayHonorPoints` int(10) unsigned NOT NULL DEFAULT '0',
  `totalKills` int(10) unsigned NOT NULL DEFAULT '0',
  `todayKills` smallint(5) unsigned NOT NULL DEFAULT '0',
  `yesterdayKills` smallint(5) unsigned NOT NULL DEFAULT '0',
  `chosenTitle` int(10) unsigned NOT NULL DEFAULT '0',
  `knownCurrencies` bigint(20) unsigned NOT NULL DEFAULT '0',
  `watchedFaction` int(10) unsigned NOT NULL DEFAULT '0',
  `drunk` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `health` int(10) unsigned NOT NULL DEFAULT '0',
  `power1` int(10) unsigned NOT NULL DEFAULT '0',
  `power2` int(10) unsigned NOT NULL DEFAULT '0',
  `power3` int(10) unsigned NOT NULL DEFAULT '0',
  `power4` int(10) unsigned NOT NULL DEFAULT '0',
  `power5` int(10) unsigned NOT NULL DEFAULT '0',
  `power6` int(10) unsigned NOT NULL DEFAULT '0',
  `power7` int(10) unsigned NOT NULL DEFAULT '0',
  `specCount` tinyint(3) unsigned NOT NULL DEFAULT '1',
  `activeSpec` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `exploredZones` longtext,
  `equipmentCache` longtext,
  `ammoId` int(10) unsigned NOT NULL DEFAULT '0',
  `knownTitles` longtext,
  `actionBars` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `grantableLevels` INT UNSIGNED DEFAULT '0',
  `fishingSteps` TINYINT UNSIGNED NOT NULL DEFAULT '0',
  `deleteInfos_Account` int(11) unsigned DEFAULT NULL,
  `deleteInfos_Name` varchar(12) DEFAULT NULL,
  `deleteDate` bigint(20) unsigned DEFAULT NULL,
  PRIMARY KEY (`guid`),
  KEY `idx_account` (`account`),
  KEY `idx_online` (`online`),
  KEY `idx_name` (`name`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Player System';
INSERT INTO `characters` (`guid`,`account`,`name`,`race`,`class`,`gender`,`level`,`xp`,`money`,`playerBytes`,`playerBytes2`,`playerFlags`,`position_x`,`position_y`,`position_z`,`map`,`dungeon_difficulty`,`orientation`,`taximask`,`online`,`cinematic`,`totaltime`,`leveltime`,`logout_time`,`is_logout_resting`,`rest_bonus`,`resettalents_cost`,`resettalents_time`,`trans_x`,`trans_y`,`trans_z`,`trans_o`,`transguid`,`extra_flags`,`stable_slots`,`at_login`,`zone`,`death_expire_time`,`taxi_path`,`arenaPoints`,`totalHonorPoints`,`todayHonorPoints`,`yesterdayHonorPoints`,`totalKills`,`todayKills`,`yesterdayKills`,`chosenTitle`,`knownCurrencies`,`watchedFaction`,`drunk`,`health`,`power1`,`power2`,`power3`,`power4`,`power5`,`power6`,`power7`,`specCount`,`activeSpec`,`exploredZones`,`equipmentCache`,`ammoId`,`knownTitles`,`actionBars`,`grantableLevels`,`fishingSteps`,`deleteInfos_Account`,`deleteInfos_Name`,`deleteDate`) VALUES
(1,1,'Adminchar',1,2,0,80,0,12345678,67240197,33554435,32,5804.15,624.771,647.767,571,0,1.64,'3456106498 1140850696 0 0 0 0 0 0 0 0 0 0 0 0 ',0,1,1987654,123456,UNIX_TIMESTAMP(NOW() - INTERVAL 1 DAY),1,12.5,0,0,0,0,0,0,0,4,0,0,4395,0,'',0,1500,0,0,42,0,0,0,0,4294967295,0,31250,25130,0,0,0,0,0,0,1,0,'4294967295 4026531839 2147483647 16777215 3221225471 536870911 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','0 0 0 0 0 0 38 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 49623 3789 0 0 0 0 0 0 4500 0 ',0,'0 0 0 0 0 0 ',15,0,0,NULL,NULL,NULL),
(2,2,'Gmchar',3,5,1,80,0,500000,33883140,2,0,-8833.38,628.628,94.0066,0,0,1.06,'3456106498 1140850696 0 0 0 0 0 0 0 0 0 0 0 0 ',0,1,734000,51000,UNIX_TIMESTAMP(NOW() - INTERVAL 2 DAY),0,0,0,0,0,0,0,0,0,21,0,0,1519,0,'',0,0,0,0,0,0,0,0,0,4294967295,0,22000,30000,0,0,0,0,0,0,1,0,'4294967295 4026531839 2147483647 16777215 3221225471 536870911 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,'0 0 0 0 0 0 ',3,0,0,NULL,NULL,NULL),
(3,4,'Online',4,11,1,70,125000,2500000,50462981,33554433,0,-1838.16,5301.79,-12.428,530,0,5.9,'3456106498 1140850696 0 0 0 0 0 0 0 0 0 0 0 0 ',1,1,402000,9800,UNIX_TIMESTAMP(NOW() - INTERVAL 5 MINUTE),0,0,0,0,0,0,0,0,0,0,0,0,3703,0,'',0,300,0,0,12,0,0,0,0,4294967295,0,9000,8000,0,0,100,0,0,0,1,0,'1073741823 7 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,'0 0 0 0 0 0 ',1,0,0,NULL,NULL,NULL),
(4,99,'Orphan',2,3,0,60,0,874321,16843268,33554436,0,1629.36,-4373.39,31.2564,1,0,3.54,'100663296 2 0 0 0 0 0 0 0 0 0 0 0 0 ',0,1,615000,40200,UNIX_TIMESTAMP(NOW() - INTERVAL 200 DAY),0,0,0,0,0,0,0,0,0,0,1,0,1637,0,'',0,0,0,0,0,0,0,0,0,4294967295,0,4100,3500,0,0,0,0,0,0,1,0,'1073741823 7 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,'0 0 0 0 0 0 ',0,0,0,NULL,NULL,NULL),
(5,4,'Иван',1,8,0,12,3300,1530,131329,33554432,0,-9449.06,64.8392,56.3581,0,0,3.07,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,1,21000,3100,UNIX_TIMESTAMP(NOW() - INTERVAL 7 DAY),0,3.5,0,0,0,0,0,0,0,0,0,1,12,0,'',0,0,0,0,0,0,0,0,0,4294967295,0,240,400,0,0,0,0,0,0,1,0,'1073741823 7 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,'0 0 0 0 0 0 ',0,0,0,NULL,NULL,NULL),
(6,3,'Stuck',7,4,1,72,98000,98765,84017153,33554434,16,2231.47,5135.29,0.21,571,0,3.12,'3456106498 1140850696 0 0 0 0 0 0 0 0 0 0 0 0 ',0,1,512000,20400,UNIX_TIMESTAMP(NOW() - INTERVAL 3 DAY),0,0,0,0,12.5,-3.2,6.8,1.57,5,0,0,0,3537,UNIX_TIMESTAMP(NOW() - INTERVAL 3 DAY + INTERVAL 6 MINUTE),'',0,0,0,0,0,0,0,0,0,4294967295,0,1,0,0,0,100,0,0,0,1,0,'1073741823 7 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,'0 0 0 0 0 0 ',1,0,0,NULL,NULL,NULL);
-- 1 Adminchar: resting in Dalaran (playerFlags 0x20). 3 Online: online = 1,
-- logout_time is the last save. 4 Orphan: account 99 does not exist.
-- 5 Иван: at_login = 1 (rename). 6 Stuck: a ghost (playerFlags 0x10) on a
-- transport in Northrend (map 571): transguid is the low part of the
-- transport's guid, a counter the server assigns when it loads transports
-- (src/game/Entities/Transports.cpp:95), trans_x..trans_o the offset on it.
-- A deleted character ("CharDelete.Method" 1) would keep its row with
-- account = 0, name = '' and deleteInfos_Account/Name/deleteDate set
-- (src/game/Entities/Player.cpp:4814); there is none here.

-- Quest status. status: 0 none, 1 complete, 3 incomplete, 5 failed;
-- rewarded = 1 once turned in (the row stays). timer is saved as the quest's
-- remaining time plus the current game time, i.e. a unix time even for
-- quests without a time limit.
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `character_queststatus` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `quest` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Quest Identifier',
  `status` int(11) unsigned NOT NULL DEFAULT '0',
  `rewarded` tinyint(1) unsigned NOT NULL DEFAULT '0',
  `explored` tinyint(1) unsigned NOT NULL DEFAULT '0',
  `timer` bigint(20) unsigned NOT NULL DEFAULT '0',
  `mobcount1` int(11) unsigned NOT NULL DEFAULT '0',
  `mobcount2` int(11) unsigned NOT NULL DEFAULT '0',
  `mobcount3` int(11) unsigned NOT NULL DEFAULT '0',
  `mobcount4` int(11) unsigned NOT NULL DEFAULT '0',
  `itemcount1` int(11) unsigned NOT NULL DEFAULT '0',
  `itemcount2` int(11) unsigned NOT NULL DEFAULT '0',
  `itemcount3` int(11) unsigned NOT NULL DEFAULT '0',
  `itemcount4` int(11) unsigned NOT NULL DEFAULT '0',
  `itemcount5` int(11) unsigned NOT NULL DEFAULT '0',
  `itemcount6` int(11) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`quest`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Player System';
INSERT INTO `character_queststatus` (`guid`,`quest`,`status`,`rewarded`,`explored`,`timer`,`mobcount1`,`mobcount2`,`mobcount3`,`mobcount4`,`itemcount1`,`itemcount2`,`itemcount3`,`itemcount4`,`itemcount5`,`itemcount6`) VALUES
(1,783,1,1,0,UNIX_TIMESTAMP(NOW() - INTERVAL 1 DAY),0,0,0,0,0,0,0,0,0,0),
(1,7,3,0,0,UNIX_TIMESTAMP(NOW() - INTERVAL 1 DAY),4,0,0,0,0,0,0,0,0,0),
(1,99999,3,0,0,UNIX_TIMESTAMP(NOW() - INTERVAL 1 DAY),0,0,0,0,0,0,0,0,0,0),
(4,4641,1,1,0,UNIX_TIMESTAMP(NOW() - INTERVAL 200 DAY),0,0,0,0,0,0,0,0,0,0);
-- quest 99999 has no template in wotlkmangos.
-- Daily, weekly and monthly quests done in the current period (guid, quest).
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `character_queststatus_daily` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `quest` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Quest Identifier',
  PRIMARY KEY (`guid`,`quest`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Player System';
INSERT INTO `character_queststatus_daily` (`guid`,`quest`) VALUES (4,11389);
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `character_queststatus_weekly` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `quest` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Quest Identifier',
  PRIMARY KEY (`guid`,`quest`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Player System';
-- (Player::DeleteFromDB does not delete from the monthly table.)
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `character_queststatus_monthly` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `quest` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Quest Identifier',
  PRIMARY KEY (`guid`,`quest`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Player System';
-- Inventory: bag = 0 for the character's own slots (0-18 equipment, 19-22
-- bags, 23-38 backpack, then bank...), otherwise the item guid of the bag
-- holding the item; item = item_instance.guid; item_template = its entry.
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `character_inventory` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `bag` int(11) unsigned NOT NULL DEFAULT '0',
  `slot` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `item` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Item Global Unique Identifier',
  `item_template` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Item Identifier',
  PRIMARY KEY (`item`),
  KEY `idx_guid` (`guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Player System';
INSERT INTO `character_inventory` (`guid`,`bag`,`slot`,`item`,`item_template`) VALUES
(1,0,15,101,49623),
(1,0,3,102,38),
(1,0,19,103,4500),
(1,103,0,104,2589),
(1,103,1,105,999999),
(1,0,23,106,6948),
(4,0,23,107,858);
-- 105: template 999999 does not exist; 102 (38): template without locale row.
-- Item instances: guid, owner_guid, itemEntry (no packed data column since
-- update 14025). charges: 5 numbers, enchantments: 12 x (id duration
-- charges), space-separated with a trailing space. flags 1 = soulbound.
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `item_instance` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0',
  `owner_guid` int(11) unsigned NOT NULL DEFAULT '0',
  `itemEntry` mediumint(8) unsigned NOT NULL DEFAULT '0',
  `creatorGuid` int(10) unsigned NOT NULL default '0',
  `giftCreatorGuid` int(10) unsigned NOT NULL default '0',
  `count` int(10) unsigned NOT NULL default '1',
  `duration` int(10) unsigned NOT NULL default '0',
  `charges` text NOT NULL,
  `flags` int(8) unsigned NOT NULL default '0',
  `enchantments` text NOT NULL,
  `randomPropertyId` smallint(5) NOT NULL default '0',
  `durability` int(5) unsigned NOT NULL default '0',
  `playedTime` int(10) unsigned NOT NULL default '0',
  `text` longtext,
  PRIMARY KEY (`guid`),
  KEY `idx_owner_guid` (`owner_guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Item System';
INSERT INTO `item_instance` (`guid`,`owner_guid`,`itemEntry`,`creatorGuid`,`giftCreatorGuid`,`count`,`duration`,`charges`,`flags`,`enchantments`,`randomPropertyId`,`durability`,`playedTime`,`text`) VALUES
(101,1,49623,0,0,1,0,'0 0 0 0 0 ',1,'3789 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,120,0,''),
(102,1,38,0,0,1,0,'0 0 0 0 0 ',1,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,0,0,''),
(103,1,4500,0,0,1,0,'0 0 0 0 0 ',1,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,0,0,''),
(104,1,2589,0,0,20,0,'0 0 0 0 0 ',0,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,0,0,''),
(105,1,999999,0,0,1,0,'0 0 0 0 0 ',0,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,0,0,''),
(106,1,6948,0,0,1,0,'0 0 0 0 0 ',1,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,0,0,''),
(107,4,858,0,0,5,0,'-1 0 0 0 0 ',0,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,0,0,''),
(108,4,2589,1,0,7,0,'0 0 0 0 0 ',0,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,0,0,'');
-- 108 is attached to a mail to Orphan (mail_items), not in the inventory.
-- Spells: active = 0 for a lower rank replaced by a higher one.
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `character_spell` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `spell` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Spell Identifier',
  `active` tinyint(3) unsigned NOT NULL DEFAULT '1',
  `disabled` tinyint(3) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`spell`),
  KEY `Idx_spell` (`spell`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Player System';
INSERT INTO `character_spell` (`guid`,`spell`,`active`,`disabled`) VALUES
(1,635,0,0),(1,48782,1,0),(1,465,1,0),(1,19740,1,0),(1,20154,1,0),
(2,585,1,0),(2,2050,1,0),(2,17,1,0),
(3,5176,1,0),
(4,75,1,0),(4,883,1,0),(4,13165,1,0),
(5,133,1,0),(5,168,1,0);
-- Auras: caster_guid is the full 64-bit guid (a player's is its low guid,
-- high part 0); basepoints = the effect amounts; maxduration/remaintime in
-- ms, -1 = no limit; effIndexMask = saved effects.
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `character_aura` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `caster_guid` bigint(20) unsigned NOT NULL DEFAULT '0' COMMENT 'Full Global Unique Identifier',
  `item_guid` int(11) unsigned NOT NULL DEFAULT '0',
  `spell` int(11) unsigned NOT NULL DEFAULT '0',
  `stackcount` int(11) unsigned NOT NULL DEFAULT '1',
  `remaincharges` int(11) unsigned NOT NULL DEFAULT '0',
  `basepoints0` int(11) NOT NULL DEFAULT '0',
  `basepoints1` int(11) NOT NULL DEFAULT '0',
  `basepoints2` int(11) NOT NULL DEFAULT '0',
  `periodictime0` int(11) unsigned NOT NULL DEFAULT '0',
  `periodictime1` int(11) unsigned NOT NULL DEFAULT '0',
  `periodictime2` int(11) unsigned NOT NULL DEFAULT '0',
  `maxduration` int(11) NOT NULL DEFAULT '0',
  `remaintime` int(11) NOT NULL DEFAULT '0',
  `effIndexMask` int(11) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`caster_guid`,`item_guid`,`spell`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Player System';
INSERT INTO `character_aura` (`guid`,`caster_guid`,`item_guid`,`spell`,`stackcount`,`remaincharges`,`basepoints0`,`basepoints1`,`basepoints2`,`periodictime0`,`periodictime1`,`periodictime2`,`maxduration`,`remaintime`,`effIndexMask`) VALUES
(1,2,0,1243,1,0,3,0,0,0,0,0,1800000,1234000,1),
(1,1,0,19740,1,0,20,0,0,0,0,0,600000,412000,1),
(4,4,0,13165,1,0,20,0,0,0,0,0,-1,-1,1);
-- Adminchar: Power Word: Fortitude cast by Gmchar (guid 2), and her own
-- Blessing of Might.
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `character_homebind` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `map` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Map Identifier',
  `zone` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Zone Identifier',
  `position_x` float NOT NULL DEFAULT '0',
  `position_y` float NOT NULL DEFAULT '0',
  `position_z` float NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Player System';
INSERT INTO `character_homebind` (`guid`,`map`,`zone`,`position_x`,`position_y`,`position_z`) VALUES
(1,0,1519,-8867.68,673.373,97.9034),
(2,0,1537,-4918.88,-940.406,501.564),
(3,530,3703,-1837.08,5301.04,-12.428),
(4,1,1637,1633.33,-4439.11,15.7588),
(5,0,12,-9459.22,42.0697,56.6206),
(6,571,3537,2253.35,5196.83,11.4004);
-- Action buttons, one set per talent group (dual talents).
-- type: 0 spell, 0x40 macro, 0x80 item.
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
-- `spec` is the server's own column: the character's talent specialisation
-- (one of two sets of talents, action bars and glyphs).
CREATE TABLE `character_action` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `spec` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `button` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `action` int(11) unsigned NOT NULL DEFAULT '0',
  `type` tinyint(3) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`spec`,`button`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Player System';
INSERT INTO `character_action` (`guid`,`spec`,`button`,`action`,`type`) VALUES
(1,0,0,48782,0),(1,0,11,6948,128),
(4,0,0,75,0);
-- Reputation: standing relative to the faction's base; flags 0x01 visible,
-- 0x02 at war, 0x10 peace forced, 0x20 inactive.
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `character_reputation` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `faction` int(11) unsigned NOT NULL DEFAULT '0',
  `standing` int(11) NOT NULL DEFAULT '0',
  `flags` int(11) NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`faction`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Player System';
INSERT INTO `character_reputation` (`guid`,`faction`,`standing`,`flags`) VALUES
(1,72,42999,17),(1,1037,5000,1),
(4,76,3000,17);
-- Social: flags 0x01 friend, 0x02 ignored, 0x04 muted; note (wotlk/tbc).
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `character_social` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Character Global Unique Identifier',
  `friend` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Friend Global Unique Identifier',
  `flags` tinyint(1) unsigned NOT NULL DEFAULT '0' COMMENT 'Friend Flags',
  `note` varchar(48) NOT NULL DEFAULT '' COMMENT 'Friend Note',
  PRIMARY KEY (`guid`,`friend`,`flags`),
  KEY `guid_flags` (`guid`,`flags`),
  KEY `friend_flags` (`friend`,`flags`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Player System';
INSERT INTO `character_social` (`guid`,`friend`,`flags`,`note`) VALUES
(1,2,1,'гм-напарник'),
(4,1,2,'');
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `character_declinedname` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `genitive` varchar(15) NOT NULL DEFAULT '',
  `dative` varchar(15) NOT NULL DEFAULT '',
  `accusative` varchar(15) NOT NULL DEFAULT '',
  `instrumental` varchar(15) NOT NULL DEFAULT '',
  `prepositional` varchar(15) NOT NULL DEFAULT '',
  PRIMARY KEY (`guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;
INSERT INTO `character_declinedname` (`guid`,`genitive`,`dative`,`accusative`,`instrumental`,`prepositional`) VALUES
(5,'Ивана','Ивану','Ивана','Иваном','Иване');
-- Groups: groupId is the key; leaderGuid is unique. lootMethod 3 = group
-- loot, lootThreshold 2 = uncommon; icon1-8 = raid target guids.
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `groups` (
  `groupId` int(11) unsigned NOT NULL,
  `leaderGuid` int(11) unsigned NOT NULL,
  `mainTank` int(11) unsigned NOT NULL,
  `mainAssistant` int(11) unsigned NOT NULL,
  `lootMethod` tinyint(4) unsigned NOT NULL,
  `looterGuid` int(11) unsigned NOT NULL,
  `lootThreshold` tinyint(4) unsigned NOT NULL,
  `icon1` int(11) unsigned NOT NULL,
  `icon2` int(11) unsigned NOT NULL,
  `icon3` int(11) unsigned NOT NULL,
  `icon4` int(11) unsigned NOT NULL,
  `icon5` int(11) unsigned NOT NULL,
  `icon6` int(11) unsigned NOT NULL,
  `icon7` int(11) unsigned NOT NULL,
  `icon8` int(11) unsigned NOT NULL,
  `groupType` tinyint(1) unsigned NOT NULL,
  `difficulty` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `raiddifficulty` int(11) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`groupId`),
  UNIQUE KEY `leaderGuid` (`leaderGuid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Groups';
INSERT INTO `groups` (`groupId`,`leaderGuid`,`mainTank`,`mainAssistant`,`lootMethod`,`looterGuid`,`lootThreshold`,`icon1`,`icon2`,`icon3`,`icon4`,`icon5`,`icon6`,`icon7`,`icon8`,`groupType`,`difficulty`,`raiddifficulty`) VALUES
(1,1,0,0,3,1,2,0,0,0,0,0,0,0,0,0,0,0);
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `group_member` (
  `groupId` int(11) unsigned NOT NULL,
  `memberGuid` int(11) unsigned NOT NULL,
  `assistant` tinyint(1) unsigned NOT NULL,
  `subgroup` smallint(6) unsigned NOT NULL,
  PRIMARY KEY (`groupId`,`memberGuid`),
  KEY `Idx_memberGuid` (`memberGuid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Groups';
INSERT INTO `group_member` (`groupId`,`memberGuid`,`assistant`,`subgroup`) VALUES
(1,1,0,0),(1,2,0,0);
-- Corpses: guid is the corpse's own counter, player the character.
-- corpse_type 0 bones, 1 resurrectable PvE, 2 resurrectable PvP.
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `corpse` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier',
  `player` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Character Global Unique Identifier',
  `position_x` float NOT NULL DEFAULT '0',
  `position_y` float NOT NULL DEFAULT '0',
  `position_z` float NOT NULL DEFAULT '0',
  `orientation` float NOT NULL DEFAULT '0',
  `map` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Map Identifier',
  `phaseMask` smallint(5) unsigned NOT NULL DEFAULT '1',
  `time` bigint(20) unsigned NOT NULL DEFAULT '0',
  `corpse_type` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `instance` int(11) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`),
  KEY `idx_type` (`corpse_type`),
  KEY `instance` (`instance`),
  KEY `Idx_player` (`player`),
  KEY `Idx_time` (`time`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Death System';
INSERT INTO `corpse` (`guid`,`player`,`position_x`,`position_y`,`position_z`,`orientation`,`map`,`phaseMask`,`time`,`corpse_type`,`instance`) VALUES
(1,4,340.46,-4686.3,16.4582,2.1,1,1,UNIX_TIMESTAMP(NOW() - INTERVAL 200 DAY),1,0),
(2,6,2211.93,5120.58,0.5,3.12,571,1,UNIX_TIMESTAMP(NOW() - INTERVAL 3 DAY),1,0);
-- Pets: id is the pet number (key), owner the character. PetType 0 summoned,
-- 1 hunter pet; slot 0 = current pet, 100 = not in a slot. abdata: 10 x
-- (state action), state 7 command, 6 reaction, 193 autocast on, 129 off.
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `character_pet` (
  `id` int(11) unsigned NOT NULL DEFAULT '0',
  `entry` int(11) unsigned NOT NULL DEFAULT '0',
  `owner` int(11) unsigned NOT NULL DEFAULT '0',
  `modelid` int(11) unsigned DEFAULT '0',
  `CreatedBySpell` int(11) unsigned NOT NULL DEFAULT '0',
  `PetType` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `level` int(11) unsigned NOT NULL DEFAULT '1',
  `exp` int(11) unsigned NOT NULL DEFAULT '0',
  `Reactstate` tinyint(1) unsigned NOT NULL DEFAULT '0',
  `name` varchar(100) DEFAULT 'Pet',
  `renamed` tinyint(1) unsigned NOT NULL DEFAULT '0',
  `slot` int(11) unsigned NOT NULL DEFAULT '0',
  `curhealth` int(11) unsigned NOT NULL DEFAULT '1',
  `curmana` int(11) unsigned NOT NULL DEFAULT '0',
  `curhappiness` int(11) unsigned NOT NULL DEFAULT '0',
  `savetime` bigint(20) unsigned NOT NULL DEFAULT '0',
  `resettalents_cost` int(11) unsigned NOT NULL DEFAULT '0',
  `resettalents_time` bigint(20) unsigned NOT NULL DEFAULT '0',
  `abdata` longtext,
  PRIMARY KEY (`id`),
  KEY `owner` (`owner`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Pet System';
INSERT INTO `character_pet` (`id`,`entry`,`owner`,`modelid`,`CreatedBySpell`,`PetType`,`level`,`exp`,`Reactstate`,`name`,`renamed`,`slot`,`curhealth`,`curmana`,`curhappiness`,`savetime`,`resettalents_cost`,`resettalents_time`,`abdata`) VALUES
(1,3122,4,1744,13481,1,60,0,1,'Клык',1,0,3500,100,1050000,UNIX_TIMESTAMP(NOW() - INTERVAL 200 DAY),0,0,'7 2 7 1 7 0 193 2649 129 17253 129 0 129 0 6 2 6 1 6 0 ');
-- ---------------------------------------------------------------------------
-- Ten more per-character tables (key column: guid, except mail/mail_items:
-- receiver).
-- ---------------------------------------------------------------------------
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `character_achievement` (
  `guid` int(11) unsigned NOT NULL,
  `achievement` int(11) unsigned NOT NULL,
  `date` bigint(11) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`achievement`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3;
INSERT INTO `character_achievement` (`guid`,`achievement`,`date`) VALUES
(1,6,UNIX_TIMESTAMP(NOW() - INTERVAL 400 DAY)),(1,13,UNIX_TIMESTAMP(NOW() - INTERVAL 100 DAY)),
(4,11,UNIX_TIMESTAMP(NOW() - INTERVAL 210 DAY));
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `character_achievement_progress` (
  `guid` int(11) unsigned NOT NULL,
  `criteria` int(11) unsigned NOT NULL,
  `counter` int(11) unsigned NOT NULL,
  `date` bigint(11) unsigned NOT NULL DEFAULT '0',
  `failed` tinyint unsigned NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`,`criteria`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3;
INSERT INTO `character_achievement_progress` (`guid`,`criteria`,`counter`,`date`,`failed`) VALUES
(1,34,80,UNIX_TIMESTAMP(NOW() - INTERVAL 100 DAY),0),(1,7305,0,UNIX_TIMESTAMP(NOW() - INTERVAL 20 DAY),1),
(4,34,60,UNIX_TIMESTAMP(NOW() - INTERVAL 210 DAY),0);
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `character_skills` (
  `guid` int(11) unsigned NOT NULL COMMENT 'Global Unique Identifier',
  `skill` mediumint(9) unsigned NOT NULL,
  `value` mediumint(9) unsigned NOT NULL,
  `max` mediumint(9) unsigned NOT NULL,
  PRIMARY KEY (`guid`,`skill`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Player System';
INSERT INTO `character_skills` (`guid`,`skill`,`value`,`max`) VALUES
(1,98,300,300),(1,172,400,400),
(4,45,300,300),(4,109,300,300);
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
-- `spec` is the server's own column: the character's talent specialisation
-- (one of two sets of talents, action bars and glyphs).
CREATE TABLE `character_talent` (
  `guid` int(11) unsigned NOT NULL,
  `talent_id` int(11) unsigned NOT NULL,
  `current_rank` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `spec` tinyint(3) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`talent_id`,`spec`),
  KEY `talent_key` (`talent_id`),
  KEY `spec_key` (`spec`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3;
INSERT INTO `character_talent` (`guid`,`talent_id`,`current_rank`,`spec`) VALUES
(1,1461,2,0),
(4,1382,4,0);
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
-- `spec` is the server's own column: the character's talent specialisation
-- (one of two sets of talents, action bars and glyphs).
CREATE TABLE `character_glyphs` (
  `guid` int(11) unsigned NOT NULL,
  `spec` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `slot` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `glyph` int(11) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`guid`,`spec`,`slot`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3;
INSERT INTO `character_glyphs` (`guid`,`spec`,`slot`,`glyph`) VALUES
(1,0,0,183),
(4,0,0,351);
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `character_spell_cooldown` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Global Unique Identifier, Low part',
  `SpellId` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Spell Identifier',
  `SpellExpireTime` bigint(20) unsigned NOT NULL DEFAULT '0' COMMENT 'Spell cooldown expire time',
  `Category` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Spell category',
  `CategoryExpireTime` bigint(20) unsigned NOT NULL DEFAULT '0' COMMENT 'Spell category cooldown expire time',
  `ItemId` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Item Identifier',
  PRIMARY KEY (`guid`,`SpellId`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3;
INSERT INTO `character_spell_cooldown` (`guid`,`SpellId`,`SpellExpireTime`,`Category`,`CategoryExpireTime`,`ItemId`) VALUES
(1,8690,UNIX_TIMESTAMP(NOW() - INTERVAL 1 DAY) + 1800,0,0,6948),
(4,8690,UNIX_TIMESTAMP(NOW() - INTERVAL 200 DAY) + 1800,0,0,6948);
-- item0..item18 are item guids (item_instance.guid), not entries.
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `character_equipmentsets` (
  `guid` int(11) NOT NULL DEFAULT '0',
  `setguid` bigint(20) unsigned NOT NULL AUTO_INCREMENT,
  `setindex` tinyint(4) NOT NULL DEFAULT '0',
  `name` varchar(128) NOT NULL,
  `iconname` varchar(256) NOT NULL,
  `ignore_mask` int(11) unsigned NOT NULL DEFAULT '0',
  `item0` int(11) unsigned NOT NULL DEFAULT '0',
  `item1` int(11) unsigned NOT NULL DEFAULT '0',
  `item2` int(11) unsigned NOT NULL DEFAULT '0',
  `item3` int(11) unsigned NOT NULL DEFAULT '0',
  `item4` int(11) unsigned NOT NULL DEFAULT '0',
  `item5` int(11) unsigned NOT NULL DEFAULT '0',
  `item6` int(11) unsigned NOT NULL DEFAULT '0',
  `item7` int(11) unsigned NOT NULL DEFAULT '0',
  `item8` int(11) unsigned NOT NULL DEFAULT '0',
  `item9` int(11) unsigned NOT NULL DEFAULT '0',
  `item10` int(11) unsigned NOT NULL DEFAULT '0',
  `item11` int(11) unsigned NOT NULL DEFAULT '0',
  `item12` int(11) unsigned NOT NULL DEFAULT '0',
  `item13` int(11) unsigned NOT NULL DEFAULT '0',
  `item14` int(11) unsigned NOT NULL DEFAULT '0',
  `item15` int(11) unsigned NOT NULL DEFAULT '0',
  `item16` int(11) unsigned NOT NULL DEFAULT '0',
  `item17` int(11) unsigned NOT NULL DEFAULT '0',
  `item18` int(11) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`setguid`),
  UNIQUE KEY `idx_set` (`guid`,`setguid`,`setindex`),
  KEY `Idx_setindex` (`setindex`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3;
INSERT INTO `character_equipmentsets` (`guid`,`setguid`,`setindex`,`name`,`iconname`,`ignore_mask`,`item0`,`item1`,`item2`,`item3`,`item4`,`item5`,`item6`,`item7`,`item8`,`item9`,`item10`,`item11`,`item12`,`item13`,`item14`,`item15`,`item16`,`item17`,`item18`) VALUES
(1,1,0,'Танк','INV_Axe_113',0,0,0,0,102,0,0,0,0,0,0,0,0,0,0,0,101,0,0,0),
(4,2,0,'PvE','Ability_Hunter_BeastCall',0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0);
-- Mail: receiver is the character; stationery 41 = normal.
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `mail` (
  `id` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Identifier',
  `messageType` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `stationery` tinyint(3) NOT NULL DEFAULT '41',
  `mailTemplateId` mediumint(8) unsigned NOT NULL DEFAULT '0',
  `sender` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Character Global Unique Identifier',
  `receiver` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Character Global Unique Identifier',
  `subject` longtext,
  `body` longtext,
  `has_items` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `expire_time` bigint(40) unsigned NOT NULL DEFAULT '0',
  `deliver_time` bigint(40) unsigned NOT NULL DEFAULT '0',
  `money` int(11) unsigned NOT NULL DEFAULT '0',
  `cod` int(11) unsigned NOT NULL DEFAULT '0',
  `checked` tinyint(3) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`id`),
  KEY `idx_receiver` (`receiver`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Mail System';
INSERT INTO `mail` (`id`,`messageType`,`stationery`,`mailTemplateId`,`sender`,`receiver`,`subject`,`body`,`has_items`,`expire_time`,`deliver_time`,`money`,`cod`,`checked`) VALUES
(1,0,41,0,1,4,'Ткань','Держи, пригодится.\nАдмин',1,UNIX_TIMESTAMP(NOW() + INTERVAL 27 DAY),UNIX_TIMESTAMP(NOW() - INTERVAL 3 DAY),0,0,0);
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `mail_items` (
  `mail_id` int(11) NOT NULL DEFAULT '0',
  `item_guid` int(11) NOT NULL DEFAULT '0',
  `item_template` int(11) NOT NULL DEFAULT '0',
  `receiver` int(11) unsigned NOT NULL DEFAULT '0' COMMENT 'Character Global Unique Identifier',
  PRIMARY KEY (`mail_id`,`item_guid`),
  KEY `idx_receiver` (`receiver`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;
INSERT INTO `mail_items` (`mail_id`,`item_guid`,`item_template`,`receiver`) VALUES
(1,108,2589,4);
-- Per-character client settings (types 1, 3, 5, 6, 7).
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/characters.sql
CREATE TABLE `character_account_data` (
  `guid` int(11) unsigned NOT NULL DEFAULT '0',
  `type` int(11) unsigned NOT NULL DEFAULT '0',
  `time` bigint(11) unsigned NOT NULL DEFAULT '0',
  `data` longblob NOT NULL,
  PRIMARY KEY (`guid`,`type`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3;
INSERT INTO `character_account_data` (`guid`,`type`,`time`,`data`) VALUES
(1,1,UNIX_TIMESTAMP(NOW() - INTERVAL 1 DAY),'SET autoLootDefault "1"\n'),
(4,7,UNIX_TIMESTAMP(NOW() - INTERVAL 200 DAY),'MACRO 16777217 "Pet" Ability_Hunter_BeastCall\n/cast Call Pet\nEND\n');

-- ===========================================================================
-- wotlkmangos (world database)
-- ===========================================================================
USE `wotlkmangos`;

-- from cmangos/mangos-wotlk 75057b03b5 sql/base/mangos.sql
CREATE TABLE `db_version` (
  `version` varchar(120) DEFAULT NULL,
  `creature_ai_version` varchar(120) DEFAULT NULL,
  `cache_id` int(10) DEFAULT '0',
  `required_14104_01_mangos_spell_threat_mask` bit(1) DEFAULT NULL
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Used DB version notes';
INSERT INTO `db_version` VALUES ('Mangos default database.','Creature EventAI not provided.',0,NULL);

-- from cmangos/mangos-wotlk 75057b03b5 sql/base/mangos.sql
-- Only the key, level, flag, chain and title columns are kept; the other 142 columns are left out.
CREATE TABLE `quest_template` (
  `entry` mediumint(8) unsigned NOT NULL DEFAULT '0',
  `ZoneOrSort` smallint(6) NOT NULL DEFAULT '0',
  `MinLevel` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `QuestLevel` smallint(6) NOT NULL DEFAULT '0',
  `QuestFlags` mediumint(8) unsigned NOT NULL DEFAULT '0',
  `PrevQuestId` mediumint(9) NOT NULL DEFAULT '0',
  `NextQuestId` mediumint(9) NOT NULL DEFAULT '0',
  `ExclusiveGroup` mediumint(9) NOT NULL DEFAULT '0',
  `BreadcrumbForQuestId` MEDIUMINT(9) UNSIGNED NOT NULL DEFAULT '0',
  `NextQuestInChain` mediumint(8) unsigned NOT NULL DEFAULT '0',
  `Title` text,
  PRIMARY KEY (`entry`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3 COMMENT='Quest System';
INSERT INTO `quest_template` (`entry`,`ZoneOrSort`,`MinLevel`,`QuestLevel`,`QuestFlags`,`PrevQuestId`,`NextQuestId`,`ExclusiveGroup`,`BreadcrumbForQuestId`,`NextQuestInChain`,`Title`) VALUES
(783,12,1,1,0,0,0,0,0,7,'A Threat Within'),
(7,12,1,2,0,783,0,0,0,15,'Kobold Camp Cleanup'),
(4641,14,1,1,0,0,0,0,0,788,'Your Place In The World'),
(11389,3703,70,70,4104,0,0,0,0,0,'Wanted: Arcatraz Sentinels');
-- QuestFlags 0x1000 = daily. PrevQuestId > 0: that quest must be rewarded
-- first, < 0: must be active; NextQuestInChain: the next quest offered.

-- from cmangos/mangos-wotlk 75057b03b5 sql/base/mangos.sql
-- Only the key, name, quality, level, stack and bag-size columns are kept; the other 128 columns are left out.
CREATE TABLE `item_template` (
  `entry` mediumint(8) unsigned NOT NULL DEFAULT '0',
  `class` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `subclass` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `name` varchar(255) NOT NULL DEFAULT '',
  `Quality` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `InventoryType` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `ItemLevel` smallint(5) unsigned NOT NULL DEFAULT '0',
  `RequiredLevel` tinyint(3) unsigned NOT NULL DEFAULT '0',
  `stackable` smallint(5) NOT NULL DEFAULT '1',
  `ContainerSlots` tinyint(3) unsigned NOT NULL DEFAULT '0',
  PRIMARY KEY (`entry`),
  KEY `items_index` (`class`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC COMMENT='Item System';
INSERT INTO `item_template` (`entry`,`class`,`subclass`,`name`,`Quality`,`InventoryType`,`ItemLevel`,`RequiredLevel`,`stackable`,`ContainerSlots`) VALUES
(38,4,0,'Recruit''s Shirt',1,4,1,1,1,0),
(858,0,1,'Lesser Healing Potion',1,0,13,3,20,0),
(2589,7,5,'Linen Cloth',1,0,5,0,20,0),
(4500,1,0,'Traveler''s Backpack',2,18,45,0,1,16),
(6948,15,0,'Hearthstone',1,0,1,0,1,0),
(49623,2,1,'Shadowmourne',5,17,284,80,1,0);
-- No template for 999999 (item 105).

-- Item names by locale: one column per locale, loc8 = ruRU (loc1 koKR,
-- loc2 frFR, loc3 deDE, loc4 zhCN, loc5 zhTW, loc6 esES, loc7 esMX).
-- name_locN is NOT NULL DEFAULT '': '' means "not translated".
-- from cmangos/mangos-wotlk 75057b03b5 sql/base/mangos.sql
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
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3;
INSERT INTO `locales_item` (`entry`,`name_loc1`,`name_loc2`,`name_loc3`,`name_loc4`,`name_loc5`,`name_loc6`,`name_loc7`,`name_loc8`) VALUES
(858,'','','Geringer Heiltrank','','','','','Малое лечебное зелье'),
(2589,'','','Leinenstoff','','','','',''),
(4500,'','','Reiserucksack','','','','','Рюкзак путешественника'),
(6948,'','','Ruhestein','','','','','Камень возвращения'),
(49623,'','','Schattengram','','','','','Темная Скорбь');
-- 38 has no row; 2589 has a row but no Russian name ('').

-- from cmangos/mangos-wotlk 75057b03b5 sql/base/mangos.sql
-- Only the key and title columns are kept; the other texts (Details_locN ... ObjectiveText4_locN) are left out.
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
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3;
INSERT INTO `locales_quest` (`entry`,`Title_loc1`,`Title_loc2`,`Title_loc3`,`Title_loc4`,`Title_loc5`,`Title_loc6`,`Title_loc7`,`Title_loc8`) VALUES
(783,NULL,NULL,'Eine Bedrohung von innen',NULL,NULL,NULL,NULL,'Угроза изнутри'),
(4641,NULL,NULL,'Euer Platz in der Welt',NULL,NULL,NULL,NULL,'Ваше место в мире'),
(11389,NULL,NULL,'Gesucht: Wächter der Arcatraz',NULL,NULL,NULL,NULL,NULL);
-- 7 has no row; 11389 has a row whose Russian title is NULL.
