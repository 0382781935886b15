-- realmdesk test fixture: the MaNGOS Rel2x family (MaNGOS Zero / One / Two of
-- the 2020s; written from MaNGOS Zero, the vanilla 1.12 member).
--
-- Creates three databases, dropped first so the file can be loaded again:
--   zero_realmd      login database   (mangos/Realm_DB, schema version 22.4.1)
--   zero_characters  characters       (mangoszero/database, 22.5.4)
--   zero_mangos      world            (mangoszero/database, 22.6.3; only the
--                                      columns realmdesk needs, see below)
-- Load as root after schema.sql and data.sql, in MariaDB's default strict
-- sql_mode:   mariadb --default-character-set=utf8mb4 < rel2x.sql
--
-- Sources (the commit each table was written from is named above it):
--   mangos/Realm_DB 413ef9fe4de97755aff1d987c81a30a3dd762b83 (2024-01-08)
--       Setup/realmdLoadDB.sql, then the later updates
--       Updates/Rel22/Rel22_02_001_Exact_client_locale.sql   (1fe17a4714)
--       Updates/Rel22/Rel22_03_001_Warden_incidents.sql      (0a83dd0c85)
--       Updates/Rel22/Rel22_04_001_Warden_Audit.sql          (103a62c666)
--   mangoszero/database
--       Character/Setup/characterLoadDB.sql at 435b2783fb (the Rel20 base; the
--       Rel22 rollup of 1de211fa1f is missing from the stored snapshot),
--       brought forward with the updates in Character/Updates/Rel21/*.7z and
--       Rel22/*.7z (d849ef747a), Rel22_05_001 (9ec89b7366) and Rel22_05_004
--       (a57b06eb1d), and checked column by column against the statements
--       of the server named below.
--       World/Setup/mangosdLoadDB.sql at d849ef747a (rollup Rel22_04_029) plus
--       World/Updates/Rel22/Rel22_06_001_Map_Columns_To_UInt32.sql (bda237d4a0)
--       and Rel22_06_003_Warden_Checks.sql (0ea514180f, db_version row)
--   mangoszero/server 402c57093ef2d3cafb5b8bfdb42e9e1707815e0e (2026-08-21) and
--   its submodule mangos/realmd 095bc797730669f228d5126f4627b7d2a2e13a8f: how the
--   server reads and writes these columns (see /work/notes/rel2x.md).
--
-- Column COMMENTs of the published tables are left out; types, defaults, keys,
-- engines and foreign keys are as published.

SET NAMES utf8mb4;

DROP DATABASE IF EXISTS `zero_realmd`;
DROP DATABASE IF EXISTS `zero_characters`;
DROP DATABASE IF EXISTS `zero_mangos`;

-- Realm_DB Setup/realmdCreateDB.sql, Character/Setup/characterCreateDB.sql and
-- World/Setup/mangosdCreateDB.sql create them as utf8 (= utf8mb3).
CREATE DATABASE `zero_realmd`     DEFAULT CHARACTER SET utf8mb3 COLLATE utf8mb3_general_ci;
CREATE DATABASE `zero_characters` DEFAULT CHARACTER SET utf8mb3 COLLATE utf8mb3_general_ci;
CREATE DATABASE `zero_mangos`     DEFAULT CHARACTER SET utf8mb3 COLLATE utf8mb3_general_ci;

-- ===========================================================================
-- zero_realmd
-- ===========================================================================
USE `zero_realmd`;

-- from mangos/Realm_DB 413ef9fe4d Setup/realmdLoadDB.sql and the Rel22 updates named above.
-- One row per applied update; the server compares version and structure of
-- the newest row with its own (src/shared/Database/Database.cpp).
CREATE TABLE `db_version` (
  `version` int(3) NOT NULL,
  `structure` int(3) NOT NULL,
  `content` int(3) NOT NULL,
  `description` varchar(30) NOT NULL DEFAULT '',
  `comment` varchar(150) DEFAULT '',
  PRIMARY KEY (`version`,`structure`,`content`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=COMPACT;

-- from mangos/Realm_DB 413ef9fe4d Setup/realmdLoadDB.sql; `client_locale` from
-- Updates/Rel22/Rel22_02_001_Exact_client_locale.sql (1fe17a4714).
-- The GM level lives here (gmlevel, one value for every realm); there is no
-- account_access and no account_logons. last_login is set by realmd at each
-- login and defaults to the creation time (never the zero date); last_ip is
-- written by realmd and by mangosd. sha_pass_hash is the hex SHA-1 of
-- UPPER(name) ':' UPPER(password); s and v are realmd's cache of the SRP6 salt
-- and verifier ('0' until the first login and again after a password change).
CREATE TABLE `account` (
  `id` int(11) unsigned NOT NULL AUTO_INCREMENT,
  `username` varchar(32) NOT NULL DEFAULT '',
  `sha_pass_hash` varchar(40) NOT NULL DEFAULT '',
  `gmlevel` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `sessionkey` longtext DEFAULT NULL,
  `v` longtext DEFAULT NULL,
  `s` longtext DEFAULT NULL,
  `email` text DEFAULT NULL,
  `joindate` timestamp NULL DEFAULT NULL,
  `last_ip` varchar(30) NOT NULL DEFAULT '0.0.0.0',
  `failed_logins` int(11) unsigned NOT NULL DEFAULT 0,
  `locked` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `last_login` timestamp NOT NULL DEFAULT current_timestamp(),
  `active_realm_id` int(11) unsigned NOT NULL DEFAULT 0,
  `expansion` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `mutetime` bigint(40) unsigned NOT NULL DEFAULT 0,
  `locale` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `client_locale` binary(4) DEFAULT NULL,
  `os` varchar(3) DEFAULT '',
  `playerBot` bit(1) NOT NULL DEFAULT b'0',
  PRIMARY KEY (`id`),
  UNIQUE KEY `idx_username` (`username`),
  KEY `idx_gmlevel` (`gmlevel`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangos/Realm_DB 413ef9fe4d Setup/realmdLoadDB.sql. Unix times; unbandate = bandate is a
-- permanent ban; active = 0 once lifted (.unban) or expired (realmd start-up).
-- The foreign key deletes an account's bans with the account, and refuses a
-- ban for an account that does not exist.
CREATE TABLE `account_banned` (
  `id` int(11) unsigned NOT NULL,
  `bandate` bigint(40) NOT NULL DEFAULT 0,
  `unbandate` bigint(40) NOT NULL DEFAULT 0,
  `bannedby` varchar(50) NOT NULL,
  `banreason` varchar(255) NOT NULL,
  `active` tinyint(4) NOT NULL DEFAULT 1,
  PRIMARY KEY (`id`,`bandate`),
  CONSTRAINT `account_banned_ibfk_1` FOREIGN KEY (`id`) REFERENCES `account` (`id`) ON DELETE CASCADE ON UPDATE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangos/Realm_DB 413ef9fe4d Setup/realmdLoadDB.sql. No active column: an unbanned or expired
-- IP ban is deleted (World.cpp, realmd Main.cpp).
CREATE TABLE `ip_banned` (
  `ip` varchar(32) NOT NULL DEFAULT '0.0.0.0',
  `bandate` bigint(40) NOT NULL,
  `unbandate` bigint(40) NOT NULL,
  `bannedby` varchar(50) NOT NULL DEFAULT '[Console]',
  `banreason` varchar(255) NOT NULL DEFAULT 'no reason',
  PRIMARY KEY (`ip`,`bandate`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangos/Realm_DB 413ef9fe4d Setup/realmdLoadDB.sql. realmflags: 0x01 invalid (realm hidden by
-- realmd), 0x02 offline, 0x04 show build, 0x20 new players, 0x40 recommended;
-- mangosd writes realmflags and realmbuilds ("5875 6005 6141 ", trailing
-- blank) at start-up and ORs in 0x02 at shutdown. No `color` column.
CREATE TABLE `realmlist` (
  `id` int(11) unsigned NOT NULL AUTO_INCREMENT,
  `name` varchar(32) NOT NULL DEFAULT '',
  `address` varchar(32) NOT NULL DEFAULT '127.0.0.1',
  `localAddress` varchar(255) NOT NULL DEFAULT '127.0.0.1',
  `localSubnetMask` varchar(255) NOT NULL DEFAULT '255.255.255.0',
  `port` int(11) NOT NULL DEFAULT 8085,
  `icon` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `realmflags` tinyint(3) unsigned NOT NULL DEFAULT 2,
  `timezone` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `allowedSecurityLevel` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `population` float unsigned NOT NULL DEFAULT 0,
  `realmbuilds` varchar(64) NOT NULL DEFAULT '',
  PRIMARY KEY (`id`),
  UNIQUE KEY `idx_name` (`name`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangos/Realm_DB 413ef9fe4d Setup/realmdLoadDB.sql. Characters per account and realm, shown
-- on the realm list; AccountMgr::CreateAccount adds a row per realm.
CREATE TABLE `realmcharacters` (
  `realmid` int(11) unsigned NOT NULL,
  `acctid` int(11) unsigned NOT NULL,
  `numchars` tinyint(3) unsigned NOT NULL DEFAULT 0,
  PRIMARY KEY (`realmid`,`acctid`),
  KEY `acctid` (`acctid`),
  CONSTRAINT `realmcharacters_ibfk_1` FOREIGN KEY (`realmid`) REFERENCES `realmlist` (`id`) ON DELETE CASCADE ON UPDATE CASCADE
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

INSERT INTO `db_version` (`version`,`structure`,`content`,`description`,`comment`) VALUES
 (22,1,1,'Release 22','Release 22'),
 (22,2,1,'Exact client locale','Preserve the exact authenticated client locale'),
 (22,3,1,'Warden incidents','Persist confirmed Warden memory enforcement incidents'),
 (22,4,1,'Warden audit','Separate Warden audit from actionable incidents');

INSERT INTO `realmlist` (`id`,`name`,`address`,`localAddress`,`localSubnetMask`,`port`,`icon`,`realmflags`,`timezone`,`allowedSecurityLevel`,`population`,`realmbuilds`) VALUES
 -- running: mangosd wrote realmflags 0x40 (Realm.RecommendedOrNew) and its builds;
 -- icon 1 = PvP, timezone 12 = Russian (Cyrillic names)
 (1,'Вечный Огонь','127.0.0.1','127.0.0.1','255.255.255.0',8085,1,64,12,0,0.02,'5875 6005 6141 '),
 -- stopped (0x02 offline) and closed to players: allowedSecurityLevel 1
 (2,'Northwind','192.168.1.50','192.168.1.50','255.255.255.0',8086,0,2,1,1,0,'5875 6005 6141 ');

-- Accounts 1-4: the rows Realm_DB ships, byte for byte (lower-case hex hashes,
-- s = v = '0', sessionkey '', email '', never logged in) ...
INSERT INTO `account` (`id`, `username`, `sha_pass_hash`, `gmlevel`, `sessionkey`, `v`, `s`, `email`, `joindate`, `last_ip`, `failed_logins`, `locked`, `last_login`, `active_realm_id`, `expansion`, `mutetime`, `locale`, `os`, `playerBot`) VALUES 
(1,'ADMINISTRATOR','a34b29541b87b7e4823683ce6c7bf6ae68beaaac',3,'','0','0','','2021-01-01 13:18:56','127.0.0.1',0,0,'2021-01-01 13:18:56',0,0,0,0,'','\0'),
(2,'GAMEMASTER','7841e21831d7c6bc0b57fbe7151eb82bd65ea1f9',2,'','0','0','','2021-01-01 13:18:56','127.0.0.1',0,0,'2021-01-01 13:18:56',0,0,0,0,'','\0'),
(3,'MODERATOR','a7f5fbff0b4eec2d6b6e78e38e8312e64d700008',1,'','0','0','','2021-01-01 13:19:35','127.0.0.1',0,0,'2021-01-01 13:19:35',0,0,0,0,'','\0'),
(4,'PLAYER','3ce8a96d17c5ae88a30681024e86279f1a38c041',0,'','0','0','','2021-01-01 13:19:35','127.0.0.1',0,0,'2021-01-01 13:19:35',0,0,0,0,'','\0');

-- ... then what the servers wrote since. At its first login realmd finds no
-- 64-digit s/v, draws a salt and stores s and v (AuthSocket::_SetVSFields,
-- mangos/realmd Auth/AuthSocket.cpp:462-499, trusted only if both are 64
-- digits long: line 692): upper-case hex of the numbers,
-- big-endian, leading zero bytes dropped (OpenSSL BN_bn2hex). The salt bytes
-- hashed are the little-endian bytes of s; H = the bytes of sha_pass_hash.
-- After the proof it stores the 40-byte session key K the same way, the peer
-- address, NOW(), the client's locale index and name, and its OS (Auth/AuthSocket.cpp:893).
-- Checked with (prints SHA1(NAME:PASSWORD) and the verifier for salt S):
--   python3 -c "import hashlib,sys;u,p,s=sys.argv[1:];N=int('894B645E89E1535BBDAD5B8B290650530801B18EBFBF5E8FAB3C82872A3E9BB7',16);h=hashlib.sha1((u+':'+p).upper().encode()).digest();x=int.from_bytes(hashlib.sha1(bytes.fromhex(s.zfill(64))[::-1]+h).digest(),'little');v='%X'%pow(7,x,N);print(h.hex().upper(),v.zfill(len(v)+len(v)%2))" NAME PASSWORD S
-- e.g. ... ADMINISTRATOR ADMINISTRATOR FEAB8925111F2BD5F2FB23DAE7A09A3E7741BA66186387598B78B7FBEF9B7C37
UPDATE `account` SET `v` = '3F593A32D2A22BDB3597163FDDB1F1AC22FDEA2393CF689BAE1D904EE5C776D3', `s` = 'FEAB8925111F2BD5F2FB23DAE7A09A3E7741BA66186387598B78B7FBEF9B7C37' WHERE `username` = 'ADMINISTRATOR';
UPDATE `account` SET `sessionkey` = '2FCF4748111DC1FB0AF379A6E7300A98282B5D8642D5AB13B05861060470D0A26DC3C345475C39CC', `last_ip` = '127.0.0.1', `last_login` = NOW() - INTERVAL 1 DAY, `locale` = '0', `client_locale` = NULLIF('enUS', ''), `os` = 'Win', `failed_logins` = 0 WHERE `username` = 'ADMINISTRATOR';
-- .account lock on (AccountCommands.cpp:164): only from last_ip from now on
UPDATE `account` SET `locked` = '1' WHERE `id` = '1';
-- GAMEMASTER's verifier has a leading zero byte: 62 hex digits. realmd only
-- trusts s/v of exactly 64 digits and draws a new salt at every login.
UPDATE `account` SET `v` = '06D12BFB4A4FF3C2DCE57F67970A37186EFBC1E59207340DFA52301DF502E9', `s` = '8410A9564107E17AA8F565462A4FACC58C8C1845E0C83F1E89ACF16D3E418DBB' WHERE `username` = 'GAMEMASTER';
UPDATE `account` SET `sessionkey` = '73C019A6CFE142FB864D44A478180094091B7E0F7E09C0525855AA43F067D19F5CB9AC1682FA24DB', `last_ip` = '10.0.0.2', `last_login` = NOW() - INTERVAL 2 DAY, `locale` = '0', `client_locale` = NULLIF('enGB', ''), `os` = 'OSX', `failed_logins` = 0 WHERE `username` = 'GAMEMASTER';
-- MODERATOR logged in, then had its password set again (to the same one):
-- AccountMgr::ChangePassword (AccountMgr.cpp:304) writes an UPPER-case hash
-- and resets v and s to '0'; the session key stays.
UPDATE `account` SET `sessionkey` = '9EEE7F9AAFFF9CD30810292B4A416281E1A4B1F13F3B5AE1BFFB39FABD6433AB72DE22C5036383FF', `last_ip` = '10.0.0.3', `last_login` = NOW() - INTERVAL 5 DAY, `locale` = '0', `client_locale` = NULLIF('enUS', ''), `os` = 'Win', `failed_logins` = 0 WHERE `username` = 'MODERATOR';
UPDATE `account` SET `v`='0', `s`='0', `sha_pass_hash`='A7F5FBFF0B4EEC2D6B6E78E38E8312E64D700008' WHERE `id`='3';
-- PLAYER: Russian client, in the game on realm 1 (WorldSession writes
-- active_realm_id), e-mail set by the registration site.
UPDATE `account` SET `v` = '0D4092013A3D61AB087FD172FDE7D1A76BB5E217060B75B98FED94CF8E9B008A', `s` = 'E3C0CC9A8E90977B12D158679B1E6640BA3C62DE9144449C8C7F32511E9C4FD5' WHERE `username` = 'PLAYER';
UPDATE `account` SET `sessionkey` = 'C033A7B1EB7804444906C5EB50E6625CADAA891CEA0A373AD4401E1C7CB1C6E3A454227A544A9E79', `last_ip` = '192.168.1.20', `last_login` = NOW() - INTERVAL 3 HOUR, `locale` = '8', `client_locale` = NULLIF('ruRU', ''), `os` = 'Win', `failed_logins` = 0 WHERE `username` = 'PLAYER';
UPDATE `account` SET `active_realm_id` = 1 WHERE `id` = 4;
UPDATE `account` SET `email` = 'игрок@почта.рф' WHERE `id` = 4;

-- Accounts 5-8: made with .account create (AccountMgr::CreateAccount,
-- AccountMgr.cpp:122: username, UPPER-case hex hash, joindate = NOW(); email
-- stays NULL), then logged in as above. Same check command:
--   STALE STALE B3D2BAFF2DB3122020FC06128029C6C7BB425F92A9C5CFC61011E2BE9B12CB0F   SAMEIP SAMEIP F76E91231E8CBBFFF5017D21546B9145B1B32E7BB89471CA5B444736ED27D4FF
--   NOCHARS NOCHARS DF002DCDF99378A2D38873D969E2F424E2CA4E3B9A5A39AA69AB4D101D9D8FFB   BANNED BANNED AE1E994E0C1EBF1438CE0D0B7942FE179FA23860CAECE470845D6D1C1FCB788B
INSERT INTO `account` (`id`,`username`,`sha_pass_hash`,`gmlevel`,`sessionkey`,`v`,`s`,`email`,`joindate`,`last_ip`,`failed_logins`,`locked`,`last_login`,`active_realm_id`,`expansion`,`mutetime`,`locale`,`client_locale`,`os`,`playerBot`) VALUES
 (5,'STALE','6EB98C40D980F0A20C364F94F9D9FAA4CECC42A8',0,'5879FB23BF2E36B6222E290294E209B5A7548AFFADAD311B53D6287A2A1E165E02E9D330F1593FA0','438F1C33B6F83E227C5C516A6B084D586B8594F3CCFDCA22CD4DA14C4E220480','B3D2BAFF2DB3122020FC06128029C6C7BB425F92A9C5CFC61011E2BE9B12CB0F','stale@example.com','2018-11-02 18:30:00','85.140.7.7',0,0,'2019-01-15 10:00:00',0,0,0,0,NULL,'Win',b'0'),
 -- same last IP as PLAYER; muted for two more days (.mute, CommunicationCommands.cpp:130)
 (6,'SAMEIP','8F888DE34A2E84AE77A16231339A4EF0F9C3EC43',0,'09730EABEF558EC4A5209EB4209625A921FA20A4FB2CC9DBD33CD822D1E134A59320A9CD2A2ACA6C','84740177B5A985F569DEEB04527510BD0DEBA97DB5BADB3B4F7D816474F8828F','F76E91231E8CBBFFF5017D21546B9145B1B32E7BB89471CA5B444736ED27D4FF','sameip@example.com','2024-05-05 12:00:00','192.168.1.20',0,0,NOW() - INTERVAL 4 DAY,0,0,UNIX_TIMESTAMP(NOW() + INTERVAL 2 DAY),0,'enUS','Win',b'0'),
 -- no e-mail (NULL, as .account create leaves it)
 (7,'NOCHARS','F7B7FB8D89E6436338F8E10102B3B87D6A6A6957',0,'DF1DC67A7682958220FF9B25D0CE19206CC5882299964EBB6D49C5CCDF0A4A1A0498E9280747F81B','6E7EC068AF7F2C055EE7326451607D07F68505F82A11E05AA8CA498B690365FB','DF002DCDF99378A2D38873D969E2F424E2CA4E3B9A5A39AA69AB4D101D9D8FFB',NULL,'2025-06-01 08:00:00','172.16.0.9',0,0,NOW() - INTERVAL 2 DAY,0,0,0,0,'enUS','Win',b'0'),
 -- last seen from the IP that is now banned; three wrong passwords since
 (8,'BANNED','5A31EA4791DCB33648008D0C5C260BAAA37E2A9A',0,'A2A551793E8421958BB182457C3F767F46982C16318B4FBA14BC8D87DD7C3DCBE46F9B0509A4A600','5F6E7547348EF05DA93E11DA7DFB1C03B39A59255A2372AE0B17C248F50A075D','AE1E994E0C1EBF1438CE0D0B7942FE179FA23860CAECE470845D6D1C1FCB788B','banned@example.com','2023-03-03 03:03:03','203.0.113.77',3,0,NOW() - INTERVAL 40 DAY,0,0,0,0,'enUS','Win',b'0');

-- Bans as the servers write them (World::BanAccount, World.cpp:2043; realmd
-- Auth/AuthSocket.cpp:963; .unban: World.cpp:2088 sets active = 0 and keeps
-- unbandate). bannedby is the GM's character name, '' from the console.
INSERT INTO `account_banned` (`id`,`bandate`,`unbandate`,`bannedby`,`banreason`,`active`) VALUES
 (8, 1700000000, 1700000600, 'MaNGOS realmd', 'Failed login autoban', 0),  -- expired (realmd start-up cleared active)
 (8, 1764547200, 1893456000, 'Gmchar', 'Бот для рыбалки', 1),             -- active until 2030-01-01
 (4, 1735689600, 1893456000, 'Adminchar', 'Spam in trade chat', 0);       -- lifted by .unban before its end
-- Account 555 no longer exists. The foreign key makes this row impossible
-- through the servers (deleting the account deletes its bans; a new ban for a
-- missing id fails with error 1452); it survives where a dump was restored with
-- FOREIGN_KEY_CHECKS=0, as realmdLoadDB.sql itself sets it. Permanent, console.
SET FOREIGN_KEY_CHECKS = 0;
INSERT INTO `account_banned` (`id`,`bandate`,`unbandate`,`bannedby`,`banreason`,`active`) VALUES
 (555, 1750000000, 1750000000, '', 'Chargeback', 1);
SET FOREIGN_KEY_CHECKS = 1;

INSERT INTO `ip_banned` (`ip`,`bandate`,`unbandate`,`bannedby`,`banreason`) VALUES
 ('203.0.113.77', 1767225600, 1767225600, 'Adminchar', 'Brute force on the login server'),  -- permanent
 ('10.10.10.10',  1700000000, 1700086400, '', 'Реклама');  -- expired; deleted at the next start of realmd/mangosd

-- realmd reads numchars here for the realm list; soft-deleted characters
-- (account 0) are not counted.
INSERT INTO `realmcharacters` (`realmid`,`acctid`,`numchars`) VALUES
 (1,1,1),(1,2,1),(1,3,1),(1,4,2),(1,5,0),(1,6,0),(1,7,0),(1,8,0),
 (2,1,0),(2,2,0),(2,3,0),(2,4,0),(2,5,0),(2,6,0),(2,7,0),(2,8,0);

-- ===========================================================================
-- zero_characters
-- ===========================================================================
USE `zero_characters`;

-- from mangoszero/database Character/Updates/Rel21/Rel20_to_BaseRel21_Updates
-- (21000_02_db_version.sql, d849ef747a), replacing the old character_db_version.
CREATE TABLE `db_version` (
  `version` int(3) NOT NULL,
  `structure` int(3) NOT NULL,
  `content` int(3) NOT NULL,
  `description` varchar(30) NOT NULL DEFAULT '',
  `comment` varchar(150) DEFAULT '',
  PRIMARY KEY (`version`,`structure`,`content`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=COMPACT;

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql; `createdDate` from the same repository's
-- Rel22_02_001_add_character_createdDate_column.sql (d849ef747a, Rel22 .7z);
-- InnoDB/DYNAMIC from Rel21_07_001. No packed `data` column: level, xp, money,
-- gender ... are columns. A deleted character is kept (CharDelete.Method 1):
-- name = '', account = 0, the old values in deleteInfos_Name/_Account and
-- deleteDate = unix time (Player.cpp:3171). at_login: 1 rename, 2 reset spells,
-- 4 reset talents, 0x20 first login (Player.h:597). map is the map the ship
-- sails when the character is aboard; transguid is the transport's low GUID.
CREATE TABLE `characters` (
  `guid` int(11) unsigned NOT NULL DEFAULT 0,
  `account` int(11) unsigned NOT NULL DEFAULT 0,
  `name` varchar(12) NOT NULL DEFAULT '',
  `race` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `class` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `gender` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `level` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `xp` int(10) unsigned NOT NULL DEFAULT 0,
  `money` int(10) unsigned NOT NULL DEFAULT 0,
  `playerBytes` int(10) unsigned NOT NULL DEFAULT 0,
  `playerBytes2` int(10) unsigned NOT NULL DEFAULT 0,
  `playerFlags` int(10) unsigned NOT NULL DEFAULT 0,
  `position_x` float NOT NULL DEFAULT 0,
  `position_y` float NOT NULL DEFAULT 0,
  `position_z` float NOT NULL DEFAULT 0,
  `map` int(11) unsigned NOT NULL DEFAULT 0,
  `orientation` float NOT NULL DEFAULT 0,
  `taximask` longtext DEFAULT NULL,
  `online` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `cinematic` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `totaltime` int(11) unsigned NOT NULL DEFAULT 0,
  `leveltime` int(11) unsigned NOT NULL DEFAULT 0,
  `logout_time` bigint(20) unsigned NOT NULL DEFAULT 0,
  `is_logout_resting` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `rest_bonus` float NOT NULL DEFAULT 0,
  `resettalents_cost` int(11) unsigned NOT NULL DEFAULT 0,
  `resettalents_time` bigint(20) unsigned NOT NULL DEFAULT 0,
  `trans_x` float NOT NULL DEFAULT 0,
  `trans_y` float NOT NULL DEFAULT 0,
  `trans_z` float NOT NULL DEFAULT 0,
  `trans_o` float NOT NULL DEFAULT 0,
  `transguid` bigint(20) unsigned NOT NULL DEFAULT 0,
  `extra_flags` int(11) unsigned NOT NULL DEFAULT 0,
  `stable_slots` tinyint(1) unsigned NOT NULL DEFAULT 0,
  `at_login` int(11) unsigned NOT NULL DEFAULT 0,
  `zone` int(11) unsigned NOT NULL DEFAULT 0,
  `death_expire_time` bigint(20) unsigned NOT NULL DEFAULT 0,
  `taxi_path` text DEFAULT NULL,
  `honor_highest_rank` int(11) unsigned NOT NULL DEFAULT 0,
  `honor_standing` int(11) unsigned NOT NULL DEFAULT 0,
  `stored_honor_rating` float NOT NULL DEFAULT 0,
  `stored_dishonorable_kills` int(11) NOT NULL DEFAULT 0,
  `stored_honorable_kills` int(11) NOT NULL DEFAULT 0,
  `watchedFaction` int(10) unsigned NOT NULL DEFAULT 0,
  `drunk` smallint(5) unsigned NOT NULL DEFAULT 0,
  `health` int(10) unsigned NOT NULL DEFAULT 0,
  `power1` int(10) unsigned NOT NULL DEFAULT 0,
  `power2` int(10) unsigned NOT NULL DEFAULT 0,
  `power3` int(10) unsigned NOT NULL DEFAULT 0,
  `power4` int(10) unsigned NOT NULL DEFAULT 0,
  `power5` int(10) unsigned NOT NULL DEFAULT 0,
  `exploredZones` longtext DEFAULT NULL,
  `equipmentCache` longtext DEFAULT NULL,
  `ammoId` int(10) unsigned NOT NULL DEFAULT 0,
  `actionBars` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `deleteInfos_Account` int(11) unsigned DEFAULT NULL,
  `deleteInfos_Name` varchar(12) DEFAULT NULL,
  `deleteDate` bigint(20) unsigned DEFAULT NULL,
  `createdDate` bigint(20) NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`),
  KEY `idx_account` (`account`),
  KEY `idx_online` (`online`),
  KEY `idx_name` (`name`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql. status: 0 none, 1 complete, 2 unavailable, 3 incomplete,
-- 4 available; rewarded = 1 once the reward was taken (kept here, no
-- separate rewarded table).
CREATE TABLE `character_queststatus` (
  `guid` int(11) unsigned NOT NULL DEFAULT 0,
  `quest` int(11) unsigned NOT NULL DEFAULT 0,
  `status` int(11) unsigned NOT NULL DEFAULT 0,
  `rewarded` tinyint(1) unsigned NOT NULL DEFAULT 0,
  `explored` tinyint(1) unsigned NOT NULL DEFAULT 0,
  `timer` bigint(20) unsigned NOT NULL DEFAULT 0,
  `mobcount1` int(11) unsigned NOT NULL DEFAULT 0,
  `mobcount2` int(11) unsigned NOT NULL DEFAULT 0,
  `mobcount3` int(11) unsigned NOT NULL DEFAULT 0,
  `mobcount4` int(11) unsigned NOT NULL DEFAULT 0,
  `itemcount1` int(11) unsigned NOT NULL DEFAULT 0,
  `itemcount2` int(11) unsigned NOT NULL DEFAULT 0,
  `itemcount3` int(11) unsigned NOT NULL DEFAULT 0,
  `itemcount4` int(11) unsigned NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`,`quest`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql. bag 0 = the character (slots 0-18 equipped, 19-22 bags,
-- 23-38 backpack, 39-62 bank, 63-68 bank bags); otherwise bag = item guid of
-- the container. item = item_instance.guid, item_template = world entry.
CREATE TABLE `character_inventory` (
  `guid` int(11) unsigned NOT NULL DEFAULT 0,
  `bag` int(11) unsigned NOT NULL DEFAULT 0,
  `slot` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `item` int(11) unsigned NOT NULL DEFAULT 0,
  `item_template` int(11) unsigned NOT NULL DEFAULT 0,
  PRIMARY KEY (`item`),
  KEY `idx_guid` (`guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database d849ef747a Character/Updates/Rel22/
-- Rel21_to_BaseRel22_Updates/Rel21_to_BaseRel22_Updates.7z: Rel22_03_001_Adjust_Tables.sql:
-- `text` (the old item_text row, NULL for items migrated without one; ''
-- when written by the server). `data`: the item's update fields, each
-- followed by a blank (48 values, 106 for a bag); entry is value 3.
CREATE TABLE `item_instance` (
  `guid` int(11) unsigned NOT NULL DEFAULT 0,
  `owner_guid` int(11) unsigned NOT NULL DEFAULT 0,
  `data` longtext DEFAULT NULL,
  `text` longtext DEFAULT NULL,
  PRIMARY KEY (`guid`),
  KEY `idx_owner_guid` (`owner_guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql.
CREATE TABLE `character_spell` (
  `guid` int(11) unsigned NOT NULL DEFAULT 0,
  `spell` int(11) unsigned NOT NULL DEFAULT 0,
  `active` tinyint(3) unsigned NOT NULL DEFAULT 1,
  `disabled` tinyint(3) unsigned NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`,`spell`),
  KEY `Idx_spell` (`spell`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql. Fifteen columns, one row per aura (not per effect):
-- effIndexMask says which effects, basepointsN/periodictimeN per effect.
-- remaincharges is unsigned (0 = none).
CREATE TABLE `character_aura` (
  `guid` int(11) unsigned NOT NULL DEFAULT 0,
  `caster_guid` bigint(20) unsigned NOT NULL DEFAULT 0,
  `item_guid` int(11) unsigned NOT NULL DEFAULT 0,
  `spell` int(11) unsigned NOT NULL DEFAULT 0,
  `stackcount` int(11) unsigned NOT NULL DEFAULT 1,
  `remaincharges` int(11) unsigned NOT NULL DEFAULT 0,
  `basepoints0` int(11) NOT NULL DEFAULT 0,
  `basepoints1` int(11) NOT NULL DEFAULT 0,
  `basepoints2` int(11) NOT NULL DEFAULT 0,
  `periodictime0` int(11) unsigned NOT NULL DEFAULT 0,
  `periodictime1` int(11) unsigned NOT NULL DEFAULT 0,
  `periodictime2` int(11) unsigned NOT NULL DEFAULT 0,
  `maxduration` int(11) NOT NULL DEFAULT 0,
  `remaintime` int(11) NOT NULL DEFAULT 0,
  `effIndexMask` int(11) unsigned NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`,`caster_guid`,`item_guid`,`spell`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql.
CREATE TABLE `character_homebind` (
  `guid` int(11) unsigned NOT NULL DEFAULT 0,
  `map` int(11) unsigned NOT NULL DEFAULT 0,
  `zone` int(11) unsigned NOT NULL DEFAULT 0,
  `position_x` float NOT NULL DEFAULT 0,
  `position_y` float NOT NULL DEFAULT 0,
  `position_z` float NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql. type 0 spell, 64 macro, 128 item.
CREATE TABLE `character_action` (
  `guid` int(11) unsigned NOT NULL DEFAULT 0,
  `button` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `action` int(11) unsigned NOT NULL DEFAULT 0,
  `type` tinyint(3) unsigned NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`,`button`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql.
CREATE TABLE `character_reputation` (
  `guid` int(11) unsigned NOT NULL DEFAULT 0,
  `faction` int(11) unsigned NOT NULL DEFAULT 0,
  `standing` int(11) NOT NULL DEFAULT 0,
  `flags` int(11) NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`,`faction`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql (InnoDB since Rel21_07_001). flags 1 friend, 2 ignored; no note.
CREATE TABLE `character_social` (
  `guid` int(11) unsigned NOT NULL DEFAULT 0,
  `friend` int(11) unsigned NOT NULL DEFAULT 0,
  `flags` tinyint(1) unsigned NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`,`friend`,`flags`),
  KEY `guid` (`guid`),
  KEY `friend` (`friend`),
  KEY `guid_flags` (`guid`,`flags`),
  KEY `friend_flags` (`friend`,`flags`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- (no declined-name table in this family: the 1.12 client has none)

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql. Keyed by groupId (leaderGuid is a unique column);
-- group_member links by groupId and lists the leader too.
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
  `isRaid` tinyint(1) unsigned NOT NULL,
  PRIMARY KEY (`groupId`),
  UNIQUE KEY `leaderGuid` (`leaderGuid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql.
CREATE TABLE `group_member` (
  `groupId` int(11) unsigned NOT NULL,
  `memberGuid` int(11) unsigned NOT NULL,
  `assistant` tinyint(1) unsigned NOT NULL,
  `subgroup` smallint(6) unsigned NOT NULL,
  PRIMARY KEY (`groupId`,`memberGuid`),
  KEY `Idx_memberGuid` (`memberGuid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql. corpse_type 0 bones, 1 resurrectable PvE, 2 PvP. mangosd
-- loads a corpse only if its player exists (ObjectMgr.cpp:2062, JOIN).
CREATE TABLE `corpse` (
  `guid` int(11) unsigned NOT NULL DEFAULT 0,
  `player` int(11) unsigned NOT NULL DEFAULT 0,
  `position_x` float NOT NULL DEFAULT 0,
  `position_y` float NOT NULL DEFAULT 0,
  `position_z` float NOT NULL DEFAULT 0,
  `orientation` float NOT NULL DEFAULT 0,
  `map` int(11) unsigned NOT NULL DEFAULT 0,
  `time` bigint(20) unsigned NOT NULL DEFAULT 0,
  `corpse_type` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `instance` int(11) unsigned NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`),
  KEY `idx_type` (`corpse_type`),
  KEY `instance` (`instance`),
  KEY `Idx_player` (`player`),
  KEY `Idx_time` (`time`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql. Key id (the pet number), owner = character guid; slot 0 =
-- current pet, 1-2 stabled, 100 not in the stable.
CREATE TABLE `character_pet` (
  `id` int(11) unsigned NOT NULL DEFAULT 0,
  `entry` int(11) unsigned NOT NULL DEFAULT 0,
  `owner` int(11) unsigned NOT NULL DEFAULT 0,
  `modelid` int(11) unsigned DEFAULT 0,
  `CreatedBySpell` int(11) unsigned NOT NULL DEFAULT 0,
  `PetType` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `level` int(11) unsigned NOT NULL DEFAULT 1,
  `exp` int(11) unsigned NOT NULL DEFAULT 0,
  `Reactstate` tinyint(1) unsigned NOT NULL DEFAULT 0,
  `loyaltypoints` int(11) NOT NULL DEFAULT 0,
  `loyalty` int(11) unsigned NOT NULL DEFAULT 0,
  `trainpoint` int(11) NOT NULL DEFAULT 0,
  `name` varchar(100) DEFAULT 'Pet',
  `renamed` tinyint(1) unsigned NOT NULL DEFAULT 0,
  `slot` int(11) unsigned NOT NULL DEFAULT 0,
  `curhealth` int(11) unsigned NOT NULL DEFAULT 1,
  `curmana` int(11) unsigned NOT NULL DEFAULT 0,
  `curhappiness` int(11) unsigned NOT NULL DEFAULT 0,
  `savetime` bigint(20) unsigned NOT NULL DEFAULT 0,
  `resettalents_cost` int(11) unsigned NOT NULL DEFAULT 0,
  `resettalents_time` bigint(20) unsigned NOT NULL DEFAULT 0,
  `abdata` longtext DEFAULT NULL,
  `teachspelldata` longtext DEFAULT NULL,
  PRIMARY KEY (`id`),
  KEY `owner` (`owner`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- Ten more per-character tables, with their character key column:

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql. Key guid.
CREATE TABLE `character_skills` (
  `guid` int(11) unsigned NOT NULL,
  `skill` mediumint(9) unsigned NOT NULL,
  `value` mediumint(9) unsigned NOT NULL,
  `max` mediumint(9) unsigned NOT NULL,
  PRIMARY KEY (`guid`,`skill`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql. Key guid.
CREATE TABLE `character_spell_cooldown` (
  `guid` int(11) unsigned NOT NULL DEFAULT 0,
  `spell` int(11) unsigned NOT NULL DEFAULT 0,
  `item` int(11) unsigned NOT NULL DEFAULT 0,
  `time` bigint(20) unsigned NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`,`spell`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3;

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql; `used` from Character/Updates/Rel21/
-- Rel20_to_BaseRel21_Updates/*.7z: Rel21_02_000_honor_flush.sql (d849ef747a).
-- Key guid (no primary key). date = day number.
CREATE TABLE `character_honor_cp` (
  `guid` int(11) unsigned NOT NULL DEFAULT 0,
  `victim_type` tinyint(3) unsigned NOT NULL DEFAULT 4,
  `victim` int(11) unsigned NOT NULL DEFAULT 0,
  `honor` float NOT NULL DEFAULT 0,
  `date` int(11) unsigned NOT NULL DEFAULT 0,
  `type` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `used` tinyint(1) NOT NULL DEFAULT 0,
  KEY `idx_guid` (`guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql. Key ticket_id; character = guid.
CREATE TABLE `character_ticket` (
  `ticket_id` int(11) unsigned NOT NULL AUTO_INCREMENT,
  `guid` int(11) unsigned NOT NULL DEFAULT 0,
  `ticket_text` text DEFAULT NULL,
  `response_text` text DEFAULT NULL,
  `ticket_lastchange` timestamp NOT NULL DEFAULT current_timestamp() ON UPDATE current_timestamp(),
  `resolved` tinyint(1) DEFAULT 0,
  PRIMARY KEY (`ticket_id`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database d849ef747a Character/Updates/Rel22/
-- Rel21_to_BaseRel22_Updates/Rel21_to_BaseRel22_Updates.7z: Rel22_03_001_Adjust_Tables.sql
-- (the body moved in from item_text). Character = receiver (sender may be a creature entry).
CREATE TABLE `mail` (
  `id` int(11) unsigned NOT NULL DEFAULT 0,
  `messageType` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `stationery` tinyint(3) NOT NULL DEFAULT 41,
  `mailTemplateId` mediumint(8) unsigned NOT NULL DEFAULT 0,
  `sender` int(11) unsigned NOT NULL DEFAULT 0,
  `receiver` int(11) unsigned NOT NULL DEFAULT 0,
  `subject` longtext DEFAULT NULL,
  `body` longtext DEFAULT NULL,
  `has_items` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `expire_time` bigint(40) unsigned NOT NULL DEFAULT 0,
  `deliver_time` bigint(40) unsigned NOT NULL DEFAULT 0,
  `money` int(11) unsigned NOT NULL DEFAULT 0,
  `cod` int(11) unsigned NOT NULL DEFAULT 0,
  `checked` tinyint(3) unsigned NOT NULL DEFAULT 0,
  PRIMARY KEY (`id`),
  KEY `idx_receiver` (`receiver`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql. Character = receiver; item_guid = item_instance.guid (signed ints).
CREATE TABLE `mail_items` (
  `mail_id` int(11) NOT NULL DEFAULT 0,
  `item_guid` int(11) NOT NULL DEFAULT 0,
  `item_template` int(11) NOT NULL DEFAULT 0,
  `receiver` int(11) unsigned NOT NULL DEFAULT 0,
  PRIMARY KEY (`mail_id`,`item_guid`),
  KEY `idx_receiver` (`receiver`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql. Keyed by ACCOUNT, not by character (bigint, AUTO_INCREMENT).
CREATE TABLE `character_tutorial` (
  `account` bigint(20) unsigned NOT NULL AUTO_INCREMENT,
  `tut0` int(11) unsigned NOT NULL DEFAULT 0,
  `tut1` int(11) unsigned NOT NULL DEFAULT 0,
  `tut2` int(11) unsigned NOT NULL DEFAULT 0,
  `tut3` int(11) unsigned NOT NULL DEFAULT 0,
  `tut4` int(11) unsigned NOT NULL DEFAULT 0,
  `tut5` int(11) unsigned NOT NULL DEFAULT 0,
  `tut6` int(11) unsigned NOT NULL DEFAULT 0,
  `tut7` int(11) unsigned NOT NULL DEFAULT 0,
  PRIMARY KEY (`account`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database d849ef747a Character/Updates/Rel22/
-- Rel21_to_BaseRel22_Updates/Rel21_to_BaseRel22_Updates.7z: Rel22_04_001_Add_Quest_Tracker_Table.sql. Character = character_guid, id = quest; no key at all.
CREATE TABLE `quest_tracker` (
  `id` mediumint(8) unsigned NOT NULL DEFAULT 0,
  `character_guid` int(10) unsigned NOT NULL DEFAULT 0,
  `quest_accept_time` datetime NOT NULL,
  `quest_complete_time` datetime DEFAULT NULL,
  `quest_abandon_time` datetime DEFAULT NULL,
  `completed_by_gm` tinyint(1) NOT NULL DEFAULT 0,
  `core_hash` varchar(120) NOT NULL DEFAULT '0',
  `core_revision` varchar(120) NOT NULL DEFAULT '0'
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3;

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql. Keyed by the PET (guid = character_pet.id), reached from the
-- character through character_pet.owner.
CREATE TABLE `pet_spell` (
  `guid` int(11) unsigned NOT NULL DEFAULT 0,
  `spell` int(11) unsigned NOT NULL DEFAULT 0,
  `active` int(11) unsigned NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`,`spell`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database 435b2783fb Character/Setup/characterLoadDB.sql. Key guid.
CREATE TABLE `character_battleground_data` (
  `guid` int(11) unsigned NOT NULL DEFAULT 0,
  `instance_id` int(11) unsigned NOT NULL DEFAULT 0,
  `team` int(11) unsigned NOT NULL DEFAULT 0,
  `join_x` float NOT NULL DEFAULT 0,
  `join_y` float NOT NULL DEFAULT 0,
  `join_z` float NOT NULL DEFAULT 0,
  `join_o` float NOT NULL DEFAULT 0,
  `join_map` int(11) NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

INSERT INTO `db_version` (`version`,`structure`,`content`,`description`,`comment`) VALUES
 (22,5,4,'Remove_Warden_Action','Remove obsolete per-check Warden punishments');

-- Characters (level cap 60). 1-6 are the common scenario; 7 is a character
-- deleted by the server and kept for restoring (account 0, name ''): it is
-- not an orphan. 4 belongs to account 99, which does not exist. 6 died at sea
-- (playerFlags 0x10 ghost) and is saved aboard the Ratchet-Booty Bay boat
-- (transport low GUID 20808) on the sailing map. Strings as PlayerSave.cpp
-- writes them: taximask 8 numbers, exploredZones 64, equipmentCache 19 pairs
-- (entry, enchant), each number followed by a blank. watchedFaction
-- 4294967295 = none (written as unsigned -1). extra_flags 1 GM on, 4 accept
-- whispers.
INSERT INTO `characters` (`guid`,`account`,`name`,`race`,`class`,`gender`,`level`,`xp`,`money`,`playerBytes`,`playerBytes2`,`playerFlags`,`position_x`,`position_y`,`position_z`,`map`,`orientation`,`taximask`,`online`,`cinematic`,`totaltime`,`leveltime`,`logout_time`,`is_logout_resting`,`rest_bonus`,`resettalents_cost`,`resettalents_time`,`trans_x`,`trans_y`,`trans_z`,`trans_o`,`transguid`,`extra_flags`,`stable_slots`,`at_login`,`zone`,`death_expire_time`,`taxi_path`,`honor_highest_rank`,`honor_standing`,`stored_honor_rating`,`stored_dishonorable_kills`,`stored_honorable_kills`,`watchedFaction`,`drunk`,`health`,`power1`,`power2`,`power3`,`power4`,`power5`,`exploredZones`,`equipmentCache`,`ammoId`,`actionBars`,`deleteInfos_Account`,`deleteInfos_Name`,`deleteDate`,`createdDate`) VALUES
 (1,1,'Adminchar',1,2,0,60,0,12345678,84148481,33554434,0,-8913.23,554.633,93.7944,0,3.1,'6 32768 0 0 0 0 0 0 ',0,1,1296000,86400,UNIX_TIMESTAMP(NOW() - INTERVAL 1 DAY),1,0.0,10000,1760000000,0.0,0.0,0.0,0.0,0,5,0,0,1519,0,'',0,0,0.0,0,0,4294967295,0,4127,3910,0,0,0,0,'4294967295 4294967295 2281701376 0 0 0 0 0 65535 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','0 0 0 0 0 0 0 0 16966 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 19019 0 0 0 0 0 0 0 ',0,3,NULL,NULL,NULL,1735689600),
 (2,2,'Gmchar',3,1,1,60,0,250000,50659842,33554438,0,-4918.88,-940.406,501.564,0,5.42,'8 0 0 0 0 0 0 0 ',0,1,640000,42000,UNIX_TIMESTAMP(NOW() - INTERVAL 2 DAY),1,0.0,0,0,0.0,0.0,0.0,0.0,0,4,0,0,1537,0,'',0,0,0.0,0,0,4294967295,0,3900,0,0,0,0,0,'1048575 0 0 4026531840 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,1,NULL,NULL,NULL,1738368000),
 (3,4,'Online',4,3,1,24,8500,45210,67305477,33554437,0,9889.5,982.9,1313.05,1,1.2,'0 0 512 0 0 0 0 0 ',1,1,185000,3100,UNIX_TIMESTAMP(NOW() - INTERVAL 10 MINUTE),0,350.0,0,0,0.0,0.0,0.0,0.0,0,0,1,0,141,0,'',0,0,0.0,0,0,4294967295,0,720,610,0,0,0,0,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 256 0 0 0 1536 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,1,NULL,NULL,NULL,1755000000),
 (4,99,'Orphan',2,3,0,40,51200,820000,33817859,33554433,0,1629.36,-4373.39,31.2564,1,3.5,'0 0 0 64 0 0 0 0 ',0,1,720000,52000,1767225600,1,0.0,0,0,0.0,0.0,0.0,0.0,0,0,1,0,1637,0,'',5,1320,245.5,2,120,4294967295,0,2450,1730,0,0,0,0,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 4294967295 4294967295 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 25 0 0 0 0 0 0 0 ',0,1,NULL,NULL,NULL,1704067200),
 (5,4,'Иван',1,1,0,12,4020,1530,16909060,33554432,0,-9464.0,62.0,56.0,0,0.0,'2 0 0 0 0 0 0 0 ',0,1,36000,1800,UNIX_TIMESTAMP(NOW() - INTERVAL 6 DAY),1,120.0,0,0,0.0,0.0,0.0,0.0,0,0,0,1,12,0,'',0,0,0.0,0,0,4294967295,0,210,0,0,0,0,0,'3 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,0,NULL,NULL,NULL,1764547200),
 (6,3,'Stuck',1,8,1,35,12000,54000,84345095,33554435,16,-996.2,-3826.8,5.6,1,4.7,'6 0 1024 0 0 0 0 0 ',0,1,410000,20000,UNIX_TIMESTAMP(NOW() - INTERVAL 5 DAY),0,0.0,0,0,3.72,-1.15,6.65,1.57,20808,0,0,0,17,UNIX_TIMESTAMP(NOW() - INTERVAL 5 DAY),'',0,0,0.0,0,0,4294967295,0,1,0,0,0,0,0,'255 0 0 0 0 0 0 0 0 0 0 16 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,1,NULL,NULL,NULL,1746057600),
 (7,0,'',5,4,0,8,900,2100,0,33554432,0,1676.71,1678.31,121.67,0,2.7,'0 0 0 0 0 0 0 0 ',0,1,14400,3000,1764540000,0,0.0,0,0,0.0,0.0,0.0,0.0,0,0,0,0,85,0,'',0,0,0.0,0,0,4294967295,0,150,100,0,0,0,0,'0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',0,0,4,'Удалённый',1764547200,1763000000);

-- Adminchar's six items: Thunderfury (19019) in the main hand, Breastplate of
-- Wrath (16966) on the chest, a Small Brown Pouch (4496) in bag slot 19
-- holding 5 Refreshing Spring Water (159, no locale row) and an item of entry
-- 99999 (no template in the world database), a Hearthstone (6948) in the
-- backpack. Orphan: a Worn Shortsword (25), and the water (item 8) waiting in
-- its mailbox. item_instance.data: guid, 0x40000000 (item high guid), type 3
-- (7 bag), entry, 1.0f, 0, owner, 0, container or owner, ..., stack count (14),
-- spell charges (16-20, 4294967295 = -1), flags (21, 1 = soulbound), ...,
-- durability (46), max durability (47); a bag adds slot count and its 28 slot guids.
INSERT INTO `item_instance` (`guid`,`owner_guid`,`data`,`text`) VALUES
 (1,1,'1 1073741824 3 19019 1065353216 0 1 0 1 0 0 0 0 0 1 0 0 0 0 0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 125 125 ',''),
 (2,1,'2 1073741824 3 16966 1065353216 0 1 0 1 0 0 0 0 0 1 0 0 0 0 0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 165 165 ',''),
 (3,1,'3 1073741824 7 4496 1065353216 0 1 0 1 0 0 0 0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 6 0 4 1073741824 5 1073741824 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',''),
 (4,1,'4 1073741824 3 159 1065353216 0 1 0 3 1073741824 0 0 0 0 5 0 4294967295 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',''),
 (5,1,'5 1073741824 3 99999 1065353216 0 1 0 3 1073741824 0 0 0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',''),
 (6,1,'6 1073741824 3 6948 1065353216 0 1 0 1 0 0 0 0 0 1 0 0 0 0 0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ',''),
 (7,4,'7 1073741824 3 25 1065353216 0 4 0 4 0 0 0 0 0 1 0 0 0 0 0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 16 20 ',NULL),
 (8,4,'8 1073741824 3 159 1065353216 0 4 0 4 0 0 0 0 0 2 0 4294967295 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ','');

INSERT INTO `character_inventory` (`guid`,`bag`,`slot`,`item`,`item_template`) VALUES
 (1,0,15,1,19019),
 (1,0,4,2,16966),
 (1,0,19,3,4496),
 (1,3,0,4,159),
 (1,3,1,5,99999),
 (1,0,23,6,6948),
 (4,0,15,7,25);

-- 783 rewarded, 7 in progress (3 of 8 kobolds), 90001 has no template.
INSERT INTO `character_queststatus` (`guid`,`quest`,`status`,`rewarded`,`explored`,`timer`,`mobcount1`,`mobcount2`,`mobcount3`,`mobcount4`,`itemcount1`,`itemcount2`,`itemcount3`,`itemcount4`) VALUES
 (1,783,1,1,0,0,0,0,0,0,0,0,0,0),
 (1,7,3,0,0,0,3,0,0,0,0,0,0,0),
 (1,90001,3,0,0,0,0,0,0,0,0,0,0,0),
 (4,33,3,0,0,0,2,0,0,0,0,0,0,0);

INSERT INTO `character_spell` (`guid`,`spell`,`active`,`disabled`) VALUES
 (1,635,1,0),(1,465,1,0),(1,19740,1,0),(1,21084,1,0),(1,1152,1,0),
 (2,78,1,0),(2,100,1,0),(2,2457,1,0),(2,6673,1,0),
 (3,75,1,0),
 (4,75,1,0),(4,1494,1,0),(4,13165,1,0),
 (5,78,1,0),
 (6,133,1,0),(6,168,1,0);

-- Blessing of Might (5 min, 3:07 left) and Devotion Aura (no duration: -1),
-- both cast by Adminchar on himself (caster_guid = his full GUID, whose high word is 0).
INSERT INTO `character_aura` (`guid`,`caster_guid`,`item_guid`,`spell`,`stackcount`,`remaincharges`,`basepoints0`,`basepoints1`,`basepoints2`,`periodictime0`,`periodictime1`,`periodictime2`,`maxduration`,`remaintime`,`effIndexMask`) VALUES
 (1,1,0,19740,1,0,20,0,0,0,0,0,300000,187000,1),
 (1,1,0,465,1,0,55,0,0,0,0,0,-1,-1,1),
 (4,4,0,13165,1,0,20,0,0,0,0,0,-1,-1,1);

INSERT INTO `character_homebind` (`guid`,`map`,`zone`,`position_x`,`position_y`,`position_z`) VALUES
 (1,0,1519,-8853.98,656.14,96.68),
 (4,1,1637,1633.33,-4439.11,15.7588),
 (6,0,11,-3752.81,-851.558,10.1153);

INSERT INTO `character_action` (`guid`,`button`,`action`,`type`) VALUES
 (1,0,635,0),
 (1,1,6948,128),
 (4,0,75,0);

INSERT INTO `character_reputation` (`guid`,`faction`,`standing`,`flags`) VALUES
 (1,72,42000,17),
 (1,47,3100,17),
 (4,76,3000,17);

INSERT INTO `character_social` (`guid`,`friend`,`flags`) VALUES
 (1,2,1),
 (4,1,2);

-- Group 1: leader Adminchar, member Gmchar; group loot (3), uncommon (2).
INSERT INTO `groups` (`groupId`,`leaderGuid`,`mainTank`,`mainAssistant`,`lootMethod`,`looterGuid`,`lootThreshold`,`icon1`,`icon2`,`icon3`,`icon4`,`icon5`,`icon6`,`icon7`,`icon8`,`isRaid`) VALUES
 (1,1,0,0,3,1,2,0,0,0,0,0,0,0,0,0);
INSERT INTO `group_member` (`groupId`,`memberGuid`,`assistant`,`subgroup`) VALUES
 (1,1,0,0),
 (1,2,0,0);

INSERT INTO `corpse` (`guid`,`player`,`position_x`,`position_y`,`position_z`,`orientation`,`map`,`time`,`corpse_type`,`instance`) VALUES
 (1,4,1650.2,-4420.7,17.4,2.1,1,1767225000,1,0),
 (2,6,-955.3,-3750.1,5.2,0.8,1,UNIX_TIMESTAMP(NOW() - INTERVAL 5 DAY),1,0);

-- Orphan's hunter pet (Tame Beast 13481, PetType 1), current (slot 0).
-- abdata: 10 pairs (type, action); teachspelldata: 4 pairs.
INSERT INTO `character_pet` (`id`,`entry`,`owner`,`modelid`,`CreatedBySpell`,`PetType`,`level`,`exp`,`Reactstate`,`loyaltypoints`,`loyalty`,`trainpoint`,`name`,`renamed`,`slot`,`curhealth`,`curmana`,`curhappiness`,`savetime`,`resettalents_cost`,`resettalents_time`,`abdata`,`teachspelldata`) VALUES
 (1,3122,4,1961,13481,1,39,1200,1,320,4,120,'Клык',1,0,1650,100,850000,1767225600,0,0,'7 2 7 1 7 0 193 16827 129 17253 0 0 0 0 6 2 6 1 6 0 ','0 0 0 0 0 0 0 0 ');

INSERT INTO `character_skills` (`guid`,`skill`,`value`,`max`) VALUES
 (1,43,300,300),(1,95,300,300),(4,45,200,200);

INSERT INTO `character_spell_cooldown` (`guid`,`spell`,`item`,`time`) VALUES
 (1,8690,6948,UNIX_TIMESTAMP(NOW() + INTERVAL 30 MINUTE)),
 (4,8690,6948,1767229200);

INSERT INTO `character_honor_cp` (`guid`,`victim_type`,`victim`,`honor`,`date`,`type`,`used`) VALUES
 (4,4,3,12.5,20454,1,0);

INSERT INTO `character_ticket` (`ticket_id`,`guid`,`ticket_text`,`response_text`,`ticket_lastchange`,`resolved`) VALUES
 (1,4,'Застрял в текстурах у ворот Оргриммара',NULL,'2026-01-01 12:00:00',0);

INSERT INTO `mail` (`id`,`messageType`,`stationery`,`mailTemplateId`,`sender`,`receiver`,`subject`,`body`,`has_items`,`expire_time`,`deliver_time`,`money`,`cod`,`checked`) VALUES
 (1,0,41,0,1,4,'Подарок','Держи воду.',1,1769817600,1767225600,0,0,0);
INSERT INTO `mail_items` (`mail_id`,`item_guid`,`item_template`,`receiver`) VALUES
 (1,8,159,4);

-- by account: 1 and 4 exist, 99 does not (Orphan's).
INSERT INTO `character_tutorial` (`account`,`tut0`,`tut1`,`tut2`,`tut3`,`tut4`,`tut5`,`tut6`,`tut7`) VALUES
 (1,4294967295,4294967295,4294967295,4294967295,4294967295,4294967295,4294967295,4294967295),
 (4,1048575,0,0,0,0,0,0,0),
 (99,4294967295,65535,0,0,0,0,0,0);

INSERT INTO `quest_tracker` (`id`,`character_guid`,`quest_accept_time`,`quest_complete_time`,`quest_abandon_time`,`completed_by_gm`,`core_hash`,`core_revision`) VALUES
 (783,1,'2026-01-10 10:00:00','2026-01-10 10:20:00',NULL,0,'402c57093ef2d3cafb5b8bfdb42e9e1707815e0e','22.6.3'),
 (7,1,'2026-01-10 10:25:00',NULL,NULL,0,'402c57093ef2d3cafb5b8bfdb42e9e1707815e0e','22.6.3'),
 (33,4,'2025-12-20 18:00:00',NULL,NULL,0,'402c57093ef2d3cafb5b8bfdb42e9e1707815e0e','22.6.3');

-- pet 1 (Orphan's): Claw 16827 (0xC1 autocast), Bite 17253
INSERT INTO `pet_spell` (`guid`,`spell`,`active`) VALUES
 (1,16827,193),(1,17253,129);

INSERT INTO `character_battleground_data` (`guid`,`instance_id`,`team`,`join_x`,`join_y`,`join_z`,`join_o`,`join_map`) VALUES
 (4,12,67,1629.36,-4373.39,31.2564,3.5,1);

-- ===========================================================================
-- zero_mangos (world): only the columns realmdesk needs. Each table below
-- keeps its key, names/titles, level and quality columns and the quest chain
-- columns with their published types, in published order; THE OTHER COLUMNS
-- OF THESE TABLES ARE LEFT OUT.
-- ===========================================================================
USE `zero_mangos`;

-- from mangoszero/database d849ef747a World/Setup/mangosdLoadDB.sql (the Setup file writes no row; the newest update's row is
-- World/Updates/Rel22/Rel22_06_003_Warden_Checks.sql, 0ea514180f).
CREATE TABLE `db_version` (
  `version` int(3) NOT NULL,
  `structure` int(3) NOT NULL,
  `content` int(3) NOT NULL,
  `description` varchar(30) NOT NULL DEFAULT '',
  `comment` varchar(150) DEFAULT '',
  PRIMARY KEY (`version`,`structure`,`content`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=COMPACT;

-- from mangoszero/database d849ef747a World/Setup/mangosdLoadDB.sql. The broadcast messages live in the WORLD database here.
-- content is the text itself; ratio is a weight for the random pick, and a
-- row with ratio 0 is never sent (World.cpp:2696-2730).
CREATE TABLE `autobroadcast` (
  `id` int(11) unsigned NOT NULL AUTO_INCREMENT,
  `content` text DEFAULT NULL,
  `ratio` smallint(6) unsigned NOT NULL DEFAULT 0,
  PRIMARY KEY (`id`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database d849ef747a World/Setup/mangosdLoadDB.sql (columns left out: Method, Type, Required*, Rep*, Limit/flags,
-- Src*, OfferRewardText ... CompleteScript; PointMapId became int unsigned in
-- Rel22_06_001). Chains: PrevQuestId (negative = must be active, not done),
-- NextQuestId, ExclusiveGroup, NextQuestInChain -- all in quest_template.
CREATE TABLE `quest_template` (
  `entry` mediumint(8) unsigned NOT NULL DEFAULT 0,
  `ZoneOrSort` smallint(6) NOT NULL DEFAULT 0,
  `MinLevel` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `QuestLevel` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `PrevQuestId` mediumint(9) NOT NULL DEFAULT 0,
  `NextQuestId` mediumint(9) NOT NULL DEFAULT 0,
  `ExclusiveGroup` mediumint(9) NOT NULL DEFAULT 0,
  `NextQuestInChain` mediumint(8) unsigned NOT NULL DEFAULT 0,
  `Title` text DEFAULT NULL,
  `Details` text DEFAULT NULL,
  `Objectives` text DEFAULT NULL,
  PRIMARY KEY (`entry`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3;

-- from mangoszero/database d849ef747a World/Setup/mangosdLoadDB.sql (columns left out: Flags, prices, Allowable*, Required* beyond
-- level, stats, damage, spells, ... ExtraFlags; Map became int unsigned in
-- Rel22_06_001). ItemLevel is a tinyint here.
CREATE TABLE `item_template` (
  `entry` mediumint(8) unsigned NOT NULL DEFAULT 0,
  `class` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `subclass` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `name` varchar(255) NOT NULL DEFAULT '',
  `displayid` mediumint(8) unsigned NOT NULL DEFAULT 0,
  `Quality` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `InventoryType` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `ItemLevel` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `RequiredLevel` tinyint(3) unsigned NOT NULL DEFAULT 0,
  `ContainerSlots` tinyint(3) unsigned NOT NULL DEFAULT 0,
  PRIMARY KEY (`entry`),
  KEY `items_index` (`class`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3 ROW_FORMAT=DYNAMIC;

-- from mangoszero/database d849ef747a World/Setup/mangosdLoadDB.sql (complete). loc8 = Russian; '' = not translated.
CREATE TABLE `locales_item` (
  `entry` mediumint(8) unsigned NOT NULL DEFAULT 0,
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

-- from mangoszero/database d849ef747a World/Setup/mangosdLoadDB.sql (columns left out: Details_, Objectives_, OfferRewardText_,
-- RequestItemsText_, EndText_, ObjectiveText1-4_ loc1-8). Titles are TEXT,
-- NULL = not translated.
CREATE TABLE `locales_quest` (
  `entry` mediumint(8) unsigned NOT NULL DEFAULT 0,
  `Title_loc1` text DEFAULT NULL,
  `Title_loc2` text DEFAULT NULL,
  `Title_loc3` text DEFAULT NULL,
  `Title_loc4` text DEFAULT NULL,
  `Title_loc5` text DEFAULT NULL,
  `Title_loc6` text DEFAULT NULL,
  `Title_loc7` text DEFAULT NULL,
  `Title_loc8` text DEFAULT NULL,
  PRIMARY KEY (`entry`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3;

INSERT INTO `db_version` (`version`,`structure`,`content`,`description`,`comment`) VALUES
 (22,6,3,'Warden_Checks','Replace legacy Warden rows with exact typed checks');

INSERT INTO `autobroadcast` (`id`,`content`,`ratio`) VALUES
 (1,'Добро пожаловать!',1),
 (2,'Внимание!\nСервер перезапустится в 05:00.',2),
 (3,'Don''t share your password: a GM will never ask for it. Remember the "golden rule"!',1);

-- 783 -> 7 -> 15 is a chain; 33 stands alone; 90001 (Adminchar's) is missing.
INSERT INTO `quest_template` (`entry`,`ZoneOrSort`,`MinLevel`,`QuestLevel`,`PrevQuestId`,`NextQuestId`,`ExclusiveGroup`,`NextQuestInChain`,`Title`,`Details`,`Objectives`) VALUES
 (783,12,1,1,0,0,0,7,'A Threat Within','We are preparing to take back our lands. Speak with Marshal McBride.','Speak with Marshal McBride.'),
 (7,12,1,2,783,0,0,15,'Kobold Camp Cleanup','Your first task is one of cleansing.','Kill 8 Kobold Vermin, then return to Marshal McBride.'),
 (15,12,3,5,7,0,0,0,'Investigate Echo Ridge','Investigate Echo Ridge and kill Kobold Workers.','Kill 10 Kobold Workers, then return to Marshal McBride.'),
 (33,12,2,2,0,0,0,0,'Wolves Across the Border','Bring me 8 pieces of Tough Wolf Meat.','Bring 8 Tough Wolf Meat to Eagan Peltskinner.');

INSERT INTO `locales_quest` (`entry`,`Title_loc8`) VALUES
 (783,'Угроза изнутри'),
 (7,'Уборка в лагере кобольдов');

-- 99999 (in Adminchar's bag) has no row.
INSERT INTO `item_template` (`entry`,`class`,`subclass`,`name`,`displayid`,`Quality`,`InventoryType`,`ItemLevel`,`RequiredLevel`,`ContainerSlots`) VALUES
 (19019,2,7,'Thunderfury, Blessed Blade of the Windseeker',30606,5,13,80,60,0),
 (16966,4,4,'Breastplate of Wrath',34027,4,5,76,60,0),
 (4496,1,0,'Small Brown Pouch',1183,1,18,5,0,6),
 (159,0,0,'Refreshing Spring Water',18084,1,0,5,1,0),
 (6948,15,0,'Hearthstone',6418,1,0,1,0,0),
 (25,2,7,'Worn Shortsword',1542,1,21,2,1,0);

-- 159 has no locale row; 6948 has German and Russian.
INSERT INTO `locales_item` (`entry`,`name_loc3`,`name_loc8`) VALUES
 (19019,'','Громовая Ярость, Благословенный Клинок Искателя Ветра'),
 (16966,'','Кираса Гнева'),
 (4496,'','Маленькая коричневая сумка'),
 (6948,'Ruhestein','Камень возвращения'),
 (25,'','Изношенный короткий меч');

