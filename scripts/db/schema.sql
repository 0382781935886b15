-- realmdesk test and demo databases: schema.
--
-- Creates the databases from scratch (every run drops them first):
--   realmd          accounts, bans, realm list, broadcast messages
--   realmd_old      an older `account` table beside the current one: the
--                   e-mail kept as bytes and a last login that may be NULL
--   characters      characters and their per-character tables
--   characters_old  an older layout: `characters` keeps level, gender and
--                   money only inside `data`, and several per-character
--                   tables do not exist yet
--   mangos          world tables read for quest and item names
--
-- The tables and column types are those of the game server's own databases
-- (where realmdesk touches them), MyISAM or InnoDB as there. The server runs
-- in its default, strict sql_mode: a value out of range or too long for its
-- column is an error, never silently cut.
--
-- Load as the server's root user, before data.sql:
--   mariadb --default-character-set=utf8mb4 < schema.sql
--
-- Databases and text columns are utf8mb3; the program talks to the server with
-- SET NAMES utf8. Two deliberate exceptions hold bytes, so that a text stored in
-- a legacy single-byte code page can be kept as it is (see data.sql):
-- `realmd`.`ip_banned`.`banreason` and `realmd_old`.`account`.`email`.

SET NAMES utf8mb4;

DROP DATABASE IF EXISTS `realmd`;
DROP DATABASE IF EXISTS `realmd_old`;
DROP DATABASE IF EXISTS `characters`;
DROP DATABASE IF EXISTS `characters_old`;
DROP DATABASE IF EXISTS `mangos`;

CREATE DATABASE `realmd`         CHARACTER SET utf8mb3 COLLATE utf8mb3_general_ci;
CREATE DATABASE `realmd_old`     CHARACTER SET utf8mb3 COLLATE utf8mb3_general_ci;
CREATE DATABASE `characters`     CHARACTER SET utf8mb3 COLLATE utf8mb3_general_ci;
CREATE DATABASE `characters_old` CHARACTER SET utf8mb3 COLLATE utf8mb3_general_ci;
CREATE DATABASE `mangos`         CHARACTER SET utf8mb3 COLLATE utf8mb3_general_ci;

-- ---------------------------------------------------------------------------
-- realmd
-- ---------------------------------------------------------------------------
USE `realmd`;

-- Game accounts. sha_pass_hash is the upper-case hex SHA-1 of the UTF-8 bytes
-- of username ':' password, with only the Latin letters a-z upper-cased
-- (Cyrillic stays as typed), so the hash depends on the user name. s, v and
-- sessionkey hold the login session of the authentication server; NULL until
-- the account logs in, and cleared again when the password or the session
-- key is reset. email is NULL for an account created without one.
-- last_login is the zero date for an account that never logged in.
-- active_realm_id is the realm the account is playing on (0 = offline).
-- mutetime: until when the account may not chat (unix time, 0 = not muted).
CREATE TABLE `account` (
  `id`              INT(11) UNSIGNED    NOT NULL AUTO_INCREMENT,
  `username`        VARCHAR(32)         NOT NULL DEFAULT '',
  `sha_pass_hash`   VARCHAR(40)         NOT NULL DEFAULT '',
  `gmlevel`         TINYINT(3) UNSIGNED NOT NULL DEFAULT 0,
  `sessionkey`      LONGTEXT,
  `v`               LONGTEXT,
  `s`               LONGTEXT,
  `email`           TEXT,
  `joindate`        TIMESTAMP           NOT NULL DEFAULT CURRENT_TIMESTAMP,
  `last_ip`         VARCHAR(30)         NOT NULL DEFAULT '0.0.0.0',
  `failed_logins`   INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `locked`          TINYINT(3) UNSIGNED NOT NULL DEFAULT 0,
  `last_login`      TIMESTAMP           NOT NULL DEFAULT '0000-00-00 00:00:00',
  `active_realm_id` INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `expansion`       TINYINT(3) UNSIGNED NOT NULL DEFAULT 0,
  `mutetime`        BIGINT(40) UNSIGNED NOT NULL DEFAULT 0,
  `locale`          TINYINT(3) UNSIGNED NOT NULL DEFAULT 0,
  PRIMARY KEY (`id`),
  UNIQUE KEY `idx_username` (`username`),
  KEY `idx_gmlevel` (`gmlevel`),
  KEY `idx_last_ip` (`last_ip`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Account bans. id is the account id (the account may no longer exist);
-- bandate and unbandate are unix times, unbandate = bandate for a permanent
-- ban. active = 0 once the ban has been lifted.
CREATE TABLE `account_banned` (
  `id`        INT(11)      NOT NULL DEFAULT 0,
  `bandate`   BIGINT(40)   NOT NULL DEFAULT 0,
  `unbandate` BIGINT(40)   NOT NULL DEFAULT 0,
  `bannedby`  VARCHAR(50)  NOT NULL,
  `banreason` VARCHAR(255) NOT NULL,
  `active`    TINYINT(4)   NOT NULL DEFAULT 1,
  PRIMARY KEY (`id`, `bandate`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- IP bans. banreason is kept as raw bytes: the reasons are normally UTF-8,
-- but an old reason written in a single-byte code page must survive
-- unchanged instead of being rejected or converted by the server.
CREATE TABLE `ip_banned` (
  `ip`        VARCHAR(32)    NOT NULL DEFAULT '0.0.0.0',
  `bandate`   BIGINT(40)     NOT NULL,
  `unbandate` BIGINT(40)     NOT NULL,
  `bannedby`  VARCHAR(50)    NOT NULL DEFAULT '[Console]',
  `banreason` VARBINARY(255) NOT NULL DEFAULT 'no reason',
  PRIMARY KEY (`ip`, `bandate`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Realms announced by the authentication server. Realm names are unique.
-- realmbuilds: the client builds the realm accepts, blank-separated.
CREATE TABLE `realmlist` (
  `id`                   INT(11) UNSIGNED    NOT NULL AUTO_INCREMENT,
  `name`                 VARCHAR(32)         NOT NULL DEFAULT '',
  `address`              VARCHAR(32)         NOT NULL DEFAULT '127.0.0.1',
  `port`                 INT(11)             NOT NULL DEFAULT 8085,
  `icon`                 TINYINT(3) UNSIGNED NOT NULL DEFAULT 0,
  `color`                TINYINT(3) UNSIGNED NOT NULL DEFAULT 2,
  `timezone`             TINYINT(3) UNSIGNED NOT NULL DEFAULT 0,
  `allowedSecurityLevel` TINYINT(3) UNSIGNED NOT NULL DEFAULT 0,
  `population`           FLOAT UNSIGNED      NOT NULL DEFAULT 0,
  `realmbuilds`          VARCHAR(64)         NOT NULL DEFAULT '',
  PRIMARY KEY (`id`),
  UNIQUE KEY `idx_name` (`name`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Messages the world server announces to all players in turn. Lines of a
-- text are separated by a bare line feed. next is NULL for a message that
-- has not been scheduled yet.
CREATE TABLE `autobroadcast` (
  `id`   INT(11)  NOT NULL AUTO_INCREMENT,
  `text` LONGTEXT NOT NULL,
  `next` INT(11)  DEFAULT NULL,
  PRIMARY KEY (`id`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- ---------------------------------------------------------------------------
-- realmd_old: an older `account` table. The e-mail is kept as bytes (an old
-- tool wrote Windows-1251 there) and last_login is NULL for an account that
-- never logged in. The other tables are those of realmd, empty.
-- ---------------------------------------------------------------------------
USE `realmd_old`;

CREATE TABLE `account` (
  `id`              INT(11) UNSIGNED    NOT NULL AUTO_INCREMENT,
  `username`        VARCHAR(32)         NOT NULL DEFAULT '',
  `sha_pass_hash`   VARCHAR(40)         NOT NULL DEFAULT '',
  `gmlevel`         TINYINT(3) UNSIGNED NOT NULL DEFAULT 0,
  `sessionkey`      LONGTEXT,
  `v`               LONGTEXT,
  `s`               LONGTEXT,
  `email`           BLOB,
  `joindate`        DATETIME            NOT NULL DEFAULT CURRENT_TIMESTAMP,
  `last_ip`         VARCHAR(30)         NOT NULL DEFAULT '0.0.0.0',
  `failed_logins`   INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `locked`          TINYINT(3) UNSIGNED NOT NULL DEFAULT 0,
  `last_login`      DATETIME            NULL     DEFAULT NULL,
  `active_realm_id` INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `expansion`       TINYINT(3) UNSIGNED NOT NULL DEFAULT 0,
  `locale`          TINYINT(3) UNSIGNED NOT NULL DEFAULT 0,
  PRIMARY KEY (`id`),
  UNIQUE KEY `idx_username` (`username`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

CREATE TABLE `account_banned` LIKE `realmd`.`account_banned`;
CREATE TABLE `ip_banned`      LIKE `realmd`.`ip_banned`;
CREATE TABLE `realmlist`      LIKE `realmd`.`realmlist`;
CREATE TABLE `autobroadcast`  LIKE `realmd`.`autobroadcast`;

-- ---------------------------------------------------------------------------
-- characters
-- ---------------------------------------------------------------------------
USE `characters`;

-- One row per character. `data` must stay the third column: it is the
-- character's packed field block, a text of blank-separated numbers.
-- trans_* / transguid: position on a transport (ship, zeppelin) and its guid.
-- taxi_path: the flight path the character is on, empty when not flying.
-- at_login: what the character must do at its next login (1 rename,
-- 2 reset spells, 4 reset talents; higher bits are the game server's own).
-- money is in copper (the last four digits are silver and copper).
CREATE TABLE `characters` (
  `guid`              INT(11) UNSIGNED     NOT NULL DEFAULT 0,
  `account`           INT(11) UNSIGNED     NOT NULL DEFAULT 0,
  `data`              LONGTEXT,
  `name`              VARCHAR(12)          NOT NULL DEFAULT '',
  `race`              TINYINT(3) UNSIGNED  NOT NULL DEFAULT 0,
  `class`             TINYINT(3) UNSIGNED  NOT NULL DEFAULT 0,
  `gender`            TINYINT(3) UNSIGNED  NOT NULL DEFAULT 0,
  `level`             TINYINT(3) UNSIGNED  NOT NULL DEFAULT 0,
  `xp`                INT(10) UNSIGNED     NOT NULL DEFAULT 0,
  `money`             INT(10) UNSIGNED     NOT NULL DEFAULT 0,
  `position_x`        FLOAT                NOT NULL DEFAULT 0,
  `position_y`        FLOAT                NOT NULL DEFAULT 0,
  `position_z`        FLOAT                NOT NULL DEFAULT 0,
  `map`               INT(11) UNSIGNED     NOT NULL DEFAULT 0,
  `zone`              INT(11) UNSIGNED     NOT NULL DEFAULT 0,
  `orientation`       FLOAT                NOT NULL DEFAULT 0,
  `online`            TINYINT(3) UNSIGNED  NOT NULL DEFAULT 0,
  `totaltime`         INT(11) UNSIGNED     NOT NULL DEFAULT 0,
  `logout_time`       BIGINT(20) UNSIGNED  NOT NULL DEFAULT 0,
  `trans_x`           FLOAT                NOT NULL DEFAULT 0,
  `trans_y`           FLOAT                NOT NULL DEFAULT 0,
  `trans_z`           FLOAT                NOT NULL DEFAULT 0,
  `trans_o`           FLOAT                NOT NULL DEFAULT 0,
  `transguid`         BIGINT(20) UNSIGNED  NOT NULL DEFAULT 0,
  `taxi_path`         TEXT,
  `at_login`          INT(11) UNSIGNED     NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`),
  KEY `idx_account` (`account`),
  KEY `idx_name` (`name`),
  KEY `idx_online` (`online`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Quest log and finished quests. status: 1 complete, 3 in progress,
-- 5 failed; rewarded = 1 once the reward was taken.
CREATE TABLE `character_queststatus` (
  `guid`       INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `quest`      INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `status`     INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `rewarded`   TINYINT(1) UNSIGNED NOT NULL DEFAULT 0,
  `explored`   TINYINT(1) UNSIGNED NOT NULL DEFAULT 0,
  `timer`      BIGINT(20) UNSIGNED NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`, `quest`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Items a character carries. bag 0 is the character itself (slots 0-18
-- equipped, 19-22 bag slots, 23-38 backpack); otherwise bag is the item guid
-- of the container. item is the item's own guid, item_template its entry in
-- the world database. The column order matters to the item sub-page.
CREATE TABLE `character_inventory` (
  `guid`          INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `bag`           INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `slot`          TINYINT(3) UNSIGNED NOT NULL DEFAULT 0,
  `item`          INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `item_template` INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  PRIMARY KEY (`item`),
  KEY `idx_guid` (`guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- The items themselves (enchantments, durability ... packed in `data`),
-- owned by a character through owner_guid.
CREATE TABLE `item_instance` (
  `guid`       INT(11) UNSIGNED NOT NULL DEFAULT 0,
  `owner_guid` INT(11) UNSIGNED NOT NULL DEFAULT 0,
  `data`       LONGTEXT,
  PRIMARY KEY (`guid`),
  KEY `idx_owner_guid` (`owner_guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Known spells.
CREATE TABLE `character_spell` (
  `guid`     INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `spell`    INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `active`   TINYINT(3) UNSIGNED NOT NULL DEFAULT 1,
  `disabled` TINYINT(3) UNSIGNED NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`, `spell`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Auras saved at logout. Exactly these nine columns, in this order: the
-- repair writes whole rows with REPLACE ... VALUES (guid, caster, spell,
-- effect index, stack count, amount, max duration, remaining time,
-- remaining charges). amount and remaincharges may be negative (-1 = no
-- charges).
CREATE TABLE `character_aura` (
  `guid`          INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `caster_guid`   BIGINT(20) UNSIGNED NOT NULL DEFAULT 0,
  `spell`         INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `effect_index`  INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `stackcount`    INT(11)             NOT NULL DEFAULT 1,
  `amount`        INT(11)             NOT NULL DEFAULT 0,
  `maxduration`   INT(11)             NOT NULL DEFAULT 0,
  `remaintime`    INT(11)             NOT NULL DEFAULT 0,
  `remaincharges` INT(11)             NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`, `caster_guid`, `spell`, `effect_index`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Home-bind (hearthstone) position; the repair moves a character here.
CREATE TABLE `character_homebind` (
  `guid`       INT(11) UNSIGNED NOT NULL DEFAULT 0,
  `map`        INT(11) UNSIGNED NOT NULL DEFAULT 0,
  `zone`       INT(11) UNSIGNED NOT NULL DEFAULT 0,
  `position_x` FLOAT            NOT NULL DEFAULT 0,
  `position_y` FLOAT            NOT NULL DEFAULT 0,
  `position_z` FLOAT            NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Action bar buttons: a spell, an item or a macro per button.
CREATE TABLE `character_action` (
  `guid`   INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `button` TINYINT(3) UNSIGNED NOT NULL DEFAULT 0,
  `action` INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `type`   TINYINT(3) UNSIGNED NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`, `button`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Standing with each faction.
CREATE TABLE `character_reputation` (
  `guid`     INT(11) UNSIGNED NOT NULL DEFAULT 0,
  `faction`  INT(11) UNSIGNED NOT NULL DEFAULT 0,
  `standing` INT(11)          NOT NULL DEFAULT 0,
  `flags`    INT(11)          NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`, `faction`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Friends (flags 1) and ignored characters (flags 2) of a character; friend
-- is the other character's guid.
CREATE TABLE `character_social` (
  `guid`   INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `friend` INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `flags`  TINYINT(1) UNSIGNED NOT NULL DEFAULT 0,
  `note`   VARCHAR(48)         NOT NULL DEFAULT '',
  PRIMARY KEY (`guid`, `friend`, `flags`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- The declined forms of a Cyrillic character name.
CREATE TABLE `character_declinedname` (
  `guid`          INT(11) UNSIGNED NOT NULL DEFAULT 0,
  `genitive`      VARCHAR(15)      NOT NULL DEFAULT '',
  `dative`        VARCHAR(15)      NOT NULL DEFAULT '',
  `accusative`    VARCHAR(15)      NOT NULL DEFAULT '',
  `instrumental`  VARCHAR(15)      NOT NULL DEFAULT '',
  `prepositional` VARCHAR(15)      NOT NULL DEFAULT '',
  PRIMARY KEY (`guid`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Player groups, one per leader, and their members (the leader included).
-- isRaid: 0 party, 1 raid.
CREATE TABLE `groups` (
  `leaderGuid`    INT(11) UNSIGNED    NOT NULL,
  `mainTank`      INT(11) UNSIGNED    NOT NULL,
  `mainAssistant` INT(11) UNSIGNED    NOT NULL,
  `lootMethod`    TINYINT(4) UNSIGNED NOT NULL,
  `looterGuid`    INT(11) UNSIGNED    NOT NULL,
  `lootThreshold` TINYINT(4) UNSIGNED NOT NULL,
  `isRaid`        TINYINT(1) UNSIGNED NOT NULL,
  `difficulty`    TINYINT(3) UNSIGNED NOT NULL DEFAULT 0,
  PRIMARY KEY (`leaderGuid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

CREATE TABLE `group_member` (
  `leaderGuid` INT(11) UNSIGNED     NOT NULL,
  `memberGuid` INT(11) UNSIGNED     NOT NULL,
  `assistant`  TINYINT(1) UNSIGNED  NOT NULL,
  `subgroup`   SMALLINT(6) UNSIGNED NOT NULL,
  PRIMARY KEY (`leaderGuid`, `memberGuid`),
  KEY `idx_member` (`memberGuid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Corpses left in the world. corpse_type: 0 bones, 1 a corpse the player
-- can still return to.
CREATE TABLE `corpse` (
  `guid`        INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `player`      INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `position_x`  FLOAT               NOT NULL DEFAULT 0,
  `position_y`  FLOAT               NOT NULL DEFAULT 0,
  `position_z`  FLOAT               NOT NULL DEFAULT 0,
  `orientation` FLOAT               NOT NULL DEFAULT 0,
  `map`         INT(11) UNSIGNED    NOT NULL DEFAULT 0,
  `time`        BIGINT(20) UNSIGNED NOT NULL DEFAULT 0,
  `corpse_type` TINYINT(3) UNSIGNED NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`),
  KEY `idx_player` (`player`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- ---------------------------------------------------------------------------
-- characters_old: older layout. `characters` has no level, gender or money
-- columns (those live only inside `data`); of the per-character tables only
-- these exist, as in characters.
-- ---------------------------------------------------------------------------
USE `characters_old`;

CREATE TABLE `characters` (
  `guid`              INT(11) UNSIGNED     NOT NULL DEFAULT 0,
  `account`           INT(11) UNSIGNED     NOT NULL DEFAULT 0,
  `data`              LONGTEXT,
  `name`              VARCHAR(12)          NOT NULL DEFAULT '',
  `race`              TINYINT(3) UNSIGNED  NOT NULL DEFAULT 0,
  `class`             TINYINT(3) UNSIGNED  NOT NULL DEFAULT 0,
  `position_x`        FLOAT                NOT NULL DEFAULT 0,
  `position_y`        FLOAT                NOT NULL DEFAULT 0,
  `position_z`        FLOAT                NOT NULL DEFAULT 0,
  `map`               INT(11) UNSIGNED     NOT NULL DEFAULT 0,
  `zone`              INT(11) UNSIGNED     NOT NULL DEFAULT 0,
  `orientation`       FLOAT                NOT NULL DEFAULT 0,
  `online`            TINYINT(3) UNSIGNED  NOT NULL DEFAULT 0,
  `totaltime`         INT(11) UNSIGNED     NOT NULL DEFAULT 0,
  `logout_time`       BIGINT(20) UNSIGNED  NOT NULL DEFAULT 0,
  `trans_x`           FLOAT                NOT NULL DEFAULT 0,
  `trans_y`           FLOAT                NOT NULL DEFAULT 0,
  `trans_z`           FLOAT                NOT NULL DEFAULT 0,
  `trans_o`           FLOAT                NOT NULL DEFAULT 0,
  `transguid`         BIGINT(20) UNSIGNED  NOT NULL DEFAULT 0,
  `taxi_path`         TEXT,
  `at_login`          INT(11) UNSIGNED     NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`),
  KEY `idx_account` (`account`),
  KEY `idx_name` (`name`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

CREATE TABLE `character_queststatus` LIKE `characters`.`character_queststatus`;
CREATE TABLE `character_inventory`   LIKE `characters`.`character_inventory`;
CREATE TABLE `character_spell`       LIKE `characters`.`character_spell`;
CREATE TABLE `character_aura`        LIKE `characters`.`character_aura`;
CREATE TABLE `character_homebind`    LIKE `characters`.`character_homebind`;
CREATE TABLE `groups`                LIKE `characters`.`groups`;
CREATE TABLE `group_member`          LIKE `characters`.`group_member`;
CREATE TABLE `corpse`                LIKE `characters`.`corpse`;

-- ---------------------------------------------------------------------------
-- mangos (world database): only what realmdesk reads
-- ---------------------------------------------------------------------------
USE `mangos`;

-- Quests. PrevQuestId / NextQuestId / NextQuestInChain / ExclusiveGroup
-- describe the quest chains (0 = none).
CREATE TABLE `quest_template` (
  `entry`            MEDIUMINT(8) UNSIGNED NOT NULL DEFAULT 0,
  `MinLevel`         TINYINT(3) UNSIGNED   NOT NULL DEFAULT 0,
  `QuestLevel`       TINYINT(3) UNSIGNED   NOT NULL DEFAULT 0,
  `Title`            TEXT,
  `Details`          TEXT,
  `Objectives`       TEXT,
  `PrevQuestId`      MEDIUMINT(9)          NOT NULL DEFAULT 0,
  `NextQuestId`      MEDIUMINT(9)          NOT NULL DEFAULT 0,
  `ExclusiveGroup`   MEDIUMINT(9)          NOT NULL DEFAULT 0,
  `NextQuestInChain` MEDIUMINT(8) UNSIGNED NOT NULL DEFAULT 0,
  PRIMARY KEY (`entry`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Item templates. Quality: 0 poor ... 5 legendary. An entry can be
-- removed while characters still own items of it.
CREATE TABLE `item_template` (
  `entry`         MEDIUMINT(8) UNSIGNED NOT NULL DEFAULT 0,
  `class`         TINYINT(3) UNSIGNED   NOT NULL DEFAULT 0,
  `subclass`      TINYINT(3) UNSIGNED   NOT NULL DEFAULT 0,
  `name`          VARCHAR(255)          NOT NULL DEFAULT '',
  `Quality`       TINYINT(3) UNSIGNED   NOT NULL DEFAULT 0,
  `ItemLevel`     SMALLINT(5) UNSIGNED  NOT NULL DEFAULT 0,
  `RequiredLevel` TINYINT(3) UNSIGNED   NOT NULL DEFAULT 0,
  PRIMARY KEY (`entry`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Translated item names, one column per client locale 1 to 8 (8 = Russian),
-- with a row only for items that have been translated. An empty value means
-- no translation into that locale.
CREATE TABLE `locales_item` (
  `entry`     MEDIUMINT(8) UNSIGNED NOT NULL DEFAULT 0,
  `name_loc1` VARCHAR(100)          NOT NULL DEFAULT '',
  `name_loc2` VARCHAR(100)          NOT NULL DEFAULT '',
  `name_loc3` VARCHAR(100)          NOT NULL DEFAULT '',
  `name_loc4` VARCHAR(100)          NOT NULL DEFAULT '',
  `name_loc5` VARCHAR(100)          NOT NULL DEFAULT '',
  `name_loc6` VARCHAR(100)          NOT NULL DEFAULT '',
  `name_loc7` VARCHAR(100)          NOT NULL DEFAULT '',
  `name_loc8` VARCHAR(100)          NOT NULL DEFAULT '',
  PRIMARY KEY (`entry`)
) ENGINE=MyISAM DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;
