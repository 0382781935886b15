-- realmdesk test and demo databases: schema.
--
-- Creates four databases from scratch (every run drops them first):
--   realmd          accounts, bans, realm list, broadcast messages
--   characters      characters and their per-character tables
--   characters_old  the same tables, with the older `characters` layout that
--                   keeps level, gender and money only inside `data`
--   mangos          world tables read for quest and item names
--
-- Load as the server's root user, before data.sql:
--   mariadb --default-character-set=utf8mb4 < schema.sql
--
-- Databases and text columns are utf8mb3; the program talks to the server with
-- SET NAMES utf8. The one deliberate exception is `realmd`.`ip_banned`.`banreason`,
-- a byte column, so that a reason stored in a legacy single-byte code page can
-- be kept as it is (see data.sql).

SET NAMES utf8mb4;

DROP DATABASE IF EXISTS `realmd`;
DROP DATABASE IF EXISTS `characters`;
DROP DATABASE IF EXISTS `characters_old`;
DROP DATABASE IF EXISTS `mangos`;

CREATE DATABASE `realmd`         CHARACTER SET utf8mb3 COLLATE utf8mb3_general_ci;
CREATE DATABASE `characters`     CHARACTER SET utf8mb3 COLLATE utf8mb3_general_ci;
CREATE DATABASE `characters_old` CHARACTER SET utf8mb3 COLLATE utf8mb3_general_ci;
CREATE DATABASE `mangos`         CHARACTER SET utf8mb3 COLLATE utf8mb3_general_ci;

-- ---------------------------------------------------------------------------
-- realmd
-- ---------------------------------------------------------------------------
USE `realmd`;

-- Game accounts. sha_pass_hash is the upper-case hex SHA1 of
-- UPPER(username) ':' UPPER(password). s, v and sessionkey hold the login
-- session of the authentication server; NULL until the account logs in, and
-- cleared again when the password or the session key is reset.
-- last_login is NULL for an account that never logged in.
-- active_realm_id is the realm the account is playing on (0 = offline).
CREATE TABLE `account` (
  `id`              INT UNSIGNED      NOT NULL AUTO_INCREMENT,
  `username`        VARCHAR(32)       NOT NULL DEFAULT '',
  `sha_pass_hash`   VARCHAR(40)       NOT NULL DEFAULT '',
  `gmlevel`         TINYINT UNSIGNED  NOT NULL DEFAULT 0,
  `sessionkey`      VARCHAR(128)      NULL     DEFAULT NULL,
  `v`               VARCHAR(128)      NULL     DEFAULT NULL,
  `s`               VARCHAR(128)      NULL     DEFAULT NULL,
  `email`           VARCHAR(255)      NOT NULL DEFAULT '',
  `joindate`        DATETIME          NOT NULL DEFAULT CURRENT_TIMESTAMP,
  `last_ip`         VARCHAR(30)       NOT NULL DEFAULT '0.0.0.0',
  `failed_logins`   INT UNSIGNED      NOT NULL DEFAULT 0,
  `locked`          TINYINT UNSIGNED  NOT NULL DEFAULT 0,
  `last_login`      DATETIME          NULL     DEFAULT NULL,
  `active_realm_id` INT UNSIGNED      NOT NULL DEFAULT 0,
  `expansion`       TINYINT UNSIGNED  NOT NULL DEFAULT 0,
  `locale`          TINYINT UNSIGNED  NOT NULL DEFAULT 0,
  PRIMARY KEY (`id`),
  UNIQUE KEY `idx_username` (`username`),
  KEY `idx_last_ip` (`last_ip`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Account bans. id is the account id (the account may no longer exist);
-- bandate and unbandate are unix times, unbandate = bandate for a permanent
-- ban. active = 0 once the ban has been lifted.
CREATE TABLE `account_banned` (
  `id`        INT UNSIGNED     NOT NULL DEFAULT 0,
  `bandate`   BIGINT           NOT NULL DEFAULT 0,
  `unbandate` BIGINT           NOT NULL DEFAULT 0,
  `bannedby`  VARCHAR(50)      NOT NULL DEFAULT '',
  `banreason` VARCHAR(255)     NOT NULL DEFAULT '',
  `active`    TINYINT UNSIGNED NOT NULL DEFAULT 1,
  PRIMARY KEY (`id`, `bandate`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- IP bans. banreason is kept as raw bytes: the reasons are normally UTF-8,
-- but an old reason written in a single-byte code page must survive
-- unchanged instead of being rejected or converted by the server.
CREATE TABLE `ip_banned` (
  `ip`        VARCHAR(32)    NOT NULL DEFAULT '0.0.0.0',
  `bandate`   BIGINT         NOT NULL DEFAULT 0,
  `unbandate` BIGINT         NOT NULL DEFAULT 0,
  `bannedby`  VARCHAR(50)    NOT NULL DEFAULT '[Console]',
  `banreason` VARBINARY(255) NOT NULL DEFAULT '',
  PRIMARY KEY (`ip`, `bandate`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Realms announced by the authentication server. Realm names are not unique:
-- the realm page inserts a copy of a selected realm under a new id.
CREATE TABLE `realmlist` (
  `id`                   INT UNSIGNED      NOT NULL AUTO_INCREMENT,
  `name`                 VARCHAR(32)       NOT NULL DEFAULT '',
  `address`              VARCHAR(32)       NOT NULL DEFAULT '127.0.0.1',
  `port`                 INT               NOT NULL DEFAULT 8085,
  `icon`                 TINYINT UNSIGNED  NOT NULL DEFAULT 0,
  `color`                TINYINT UNSIGNED  NOT NULL DEFAULT 2,
  `timezone`             TINYINT UNSIGNED  NOT NULL DEFAULT 0,
  `allowedSecurityLevel` TINYINT UNSIGNED  NOT NULL DEFAULT 0,
  `population`           FLOAT UNSIGNED    NOT NULL DEFAULT 0,
  PRIMARY KEY (`id`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Messages the world server announces to all players in turn.
CREATE TABLE `autobroadcast` (
  `id`   INT UNSIGNED NOT NULL AUTO_INCREMENT,
  `text` LONGTEXT     NOT NULL,
  `next` INT UNSIGNED NOT NULL DEFAULT 1,
  PRIMARY KEY (`id`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

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
  `guid`              INT UNSIGNED      NOT NULL DEFAULT 0,
  `account`           INT UNSIGNED      NOT NULL DEFAULT 0,
  `data`              LONGTEXT          NOT NULL DEFAULT '',
  `name`              VARCHAR(12)       NOT NULL DEFAULT '',
  `race`              TINYINT UNSIGNED  NOT NULL DEFAULT 0,
  `class`             TINYINT UNSIGNED  NOT NULL DEFAULT 0,
  `gender`            TINYINT UNSIGNED  NOT NULL DEFAULT 0,
  `level`             TINYINT UNSIGNED  NOT NULL DEFAULT 1,
  `xp`                INT UNSIGNED      NOT NULL DEFAULT 0,
  `money`             INT UNSIGNED      NOT NULL DEFAULT 0,
  `position_x`        FLOAT             NOT NULL DEFAULT 0,
  `position_y`        FLOAT             NOT NULL DEFAULT 0,
  `position_z`        FLOAT             NOT NULL DEFAULT 0,
  `map`               INT UNSIGNED      NOT NULL DEFAULT 0,
  `zone`              INT UNSIGNED      NOT NULL DEFAULT 0,
  `orientation`       FLOAT             NOT NULL DEFAULT 0,
  `online`            TINYINT UNSIGNED  NOT NULL DEFAULT 0,
  `totaltime`         INT UNSIGNED      NOT NULL DEFAULT 0,
  `logout_time`       BIGINT UNSIGNED   NOT NULL DEFAULT 0,
  `trans_x`           FLOAT             NOT NULL DEFAULT 0,
  `trans_y`           FLOAT             NOT NULL DEFAULT 0,
  `trans_z`           FLOAT             NOT NULL DEFAULT 0,
  `trans_o`           FLOAT             NOT NULL DEFAULT 0,
  `transguid`         BIGINT UNSIGNED   NOT NULL DEFAULT 0,
  `taxi_path`         TEXT              NOT NULL DEFAULT '',
  `at_login`          INT UNSIGNED      NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`),
  KEY `idx_account` (`account`),
  KEY `idx_name` (`name`),
  KEY `idx_online` (`online`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Quest log and finished quests. status: 1 complete, 3 in progress,
-- 5 failed; rewarded = 1 once the reward was taken.
CREATE TABLE `character_queststatus` (
  `guid`       INT UNSIGNED     NOT NULL DEFAULT 0,
  `quest`      INT UNSIGNED     NOT NULL DEFAULT 0,
  `status`     TINYINT UNSIGNED NOT NULL DEFAULT 0,
  `rewarded`   TINYINT UNSIGNED NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`, `quest`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Items a character carries. bag 0 is the character itself (slots 0-18
-- equipped, 19-22 bag slots, 23-38 backpack); otherwise bag is the item guid
-- of the container. item is the item's own guid, item_template its entry in
-- the world database. The column order matters to the item sub-page.
CREATE TABLE `character_inventory` (
  `guid`          INT UNSIGNED     NOT NULL DEFAULT 0,
  `bag`           INT UNSIGNED     NOT NULL DEFAULT 0,
  `slot`          TINYINT UNSIGNED NOT NULL DEFAULT 0,
  `item`          INT UNSIGNED     NOT NULL DEFAULT 0,
  `item_template` INT UNSIGNED     NOT NULL DEFAULT 0,
  PRIMARY KEY (`item`),
  KEY `idx_guid` (`guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Known spells.
CREATE TABLE `character_spell` (
  `guid`     INT UNSIGNED     NOT NULL DEFAULT 0,
  `spell`    INT UNSIGNED     NOT NULL DEFAULT 0,
  `active`   TINYINT UNSIGNED NOT NULL DEFAULT 1,
  `disabled` TINYINT UNSIGNED NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`, `spell`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Auras saved at logout. Exactly these nine columns, in this order: the
-- repair writes whole rows with REPLACE ... VALUES (guid, caster, spell,
-- effect index, stack count, amount, max duration, remaining time,
-- remaining charges). amount and remaincharges may be negative (-1 = no
-- charges).
CREATE TABLE `character_aura` (
  `guid`          INT UNSIGNED     NOT NULL DEFAULT 0,
  `caster_guid`   BIGINT UNSIGNED  NOT NULL DEFAULT 0,
  `spell`         INT UNSIGNED     NOT NULL DEFAULT 0,
  `effect_index`  TINYINT UNSIGNED NOT NULL DEFAULT 0,
  `stackcount`    INT UNSIGNED     NOT NULL DEFAULT 1,
  `amount`        INT              NOT NULL DEFAULT 0,
  `maxduration`   INT              NOT NULL DEFAULT 0,
  `remaintime`    INT              NOT NULL DEFAULT 0,
  `remaincharges` INT              NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`, `caster_guid`, `spell`, `effect_index`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Home-bind (hearthstone) position; the repair moves a character here.
CREATE TABLE `character_homebind` (
  `guid`       INT UNSIGNED NOT NULL DEFAULT 0,
  `map`        INT UNSIGNED NOT NULL DEFAULT 0,
  `zone`       INT UNSIGNED NOT NULL DEFAULT 0,
  `position_x` FLOAT        NOT NULL DEFAULT 0,
  `position_y` FLOAT        NOT NULL DEFAULT 0,
  `position_z` FLOAT        NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Player groups and their members. groupType: 0 party, 1 raid.
CREATE TABLE `groups` (
  `groupId`       INT UNSIGNED     NOT NULL DEFAULT 0,
  `leaderGuid`    INT UNSIGNED     NOT NULL DEFAULT 0,
  `lootMethod`    TINYINT UNSIGNED NOT NULL DEFAULT 0,
  `groupType`     TINYINT UNSIGNED NOT NULL DEFAULT 0,
  PRIMARY KEY (`groupId`),
  KEY `idx_leader` (`leaderGuid`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

CREATE TABLE `group_member` (
  `groupId`    INT UNSIGNED     NOT NULL DEFAULT 0,
  `memberGuid` INT UNSIGNED     NOT NULL DEFAULT 0,
  `subgroup`   TINYINT UNSIGNED NOT NULL DEFAULT 0,
  PRIMARY KEY (`memberGuid`),
  KEY `idx_group` (`groupId`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Corpses left in the world. corpse_type: 0 bones, 1 a corpse the player
-- can still return to.
CREATE TABLE `corpse` (
  `guid`        INT UNSIGNED     NOT NULL DEFAULT 0,
  `player`      INT UNSIGNED     NOT NULL DEFAULT 0,
  `position_x`  FLOAT            NOT NULL DEFAULT 0,
  `position_y`  FLOAT            NOT NULL DEFAULT 0,
  `position_z`  FLOAT            NOT NULL DEFAULT 0,
  `orientation` FLOAT            NOT NULL DEFAULT 0,
  `map`         INT UNSIGNED     NOT NULL DEFAULT 0,
  `time`        BIGINT UNSIGNED  NOT NULL DEFAULT 0,
  `corpse_type` TINYINT UNSIGNED NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`),
  KEY `idx_player` (`player`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- ---------------------------------------------------------------------------
-- characters_old: older layout. `characters` has no level, gender or money
-- columns (those live only inside `data`); the other tables are the same.
-- ---------------------------------------------------------------------------
USE `characters_old`;

CREATE TABLE `characters` (
  `guid`              INT UNSIGNED      NOT NULL DEFAULT 0,
  `account`           INT UNSIGNED      NOT NULL DEFAULT 0,
  `data`              LONGTEXT          NOT NULL DEFAULT '',
  `name`              VARCHAR(12)       NOT NULL DEFAULT '',
  `race`              TINYINT UNSIGNED  NOT NULL DEFAULT 0,
  `class`             TINYINT UNSIGNED  NOT NULL DEFAULT 0,
  `position_x`        FLOAT             NOT NULL DEFAULT 0,
  `position_y`        FLOAT             NOT NULL DEFAULT 0,
  `position_z`        FLOAT             NOT NULL DEFAULT 0,
  `map`               INT UNSIGNED      NOT NULL DEFAULT 0,
  `zone`              INT UNSIGNED      NOT NULL DEFAULT 0,
  `orientation`       FLOAT             NOT NULL DEFAULT 0,
  `online`            TINYINT UNSIGNED  NOT NULL DEFAULT 0,
  `totaltime`         INT UNSIGNED      NOT NULL DEFAULT 0,
  `logout_time`       BIGINT UNSIGNED   NOT NULL DEFAULT 0,
  `trans_x`           FLOAT             NOT NULL DEFAULT 0,
  `trans_y`           FLOAT             NOT NULL DEFAULT 0,
  `trans_z`           FLOAT             NOT NULL DEFAULT 0,
  `trans_o`           FLOAT             NOT NULL DEFAULT 0,
  `transguid`         BIGINT UNSIGNED   NOT NULL DEFAULT 0,
  `taxi_path`         TEXT              NOT NULL DEFAULT '',
  `at_login`          INT UNSIGNED      NOT NULL DEFAULT 0,
  PRIMARY KEY (`guid`),
  KEY `idx_account` (`account`),
  KEY `idx_name` (`name`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

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
  `entry`            INT UNSIGNED     NOT NULL DEFAULT 0,
  `MinLevel`         TINYINT UNSIGNED NOT NULL DEFAULT 0,
  `QuestLevel`       TINYINT UNSIGNED NOT NULL DEFAULT 0,
  `Title`            TEXT             NULL,
  `Details`          TEXT             NULL,
  `Objectives`       TEXT             NULL,
  `PrevQuestId`      INT              NOT NULL DEFAULT 0,
  `NextQuestId`      INT              NOT NULL DEFAULT 0,
  `ExclusiveGroup`   INT              NOT NULL DEFAULT 0,
  `NextQuestInChain` INT UNSIGNED     NOT NULL DEFAULT 0,
  PRIMARY KEY (`entry`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Item templates. Quality: 0 poor ... 5 legendary.
CREATE TABLE `item_template` (
  `entry`         INT UNSIGNED     NOT NULL DEFAULT 0,
  `class`         TINYINT UNSIGNED NOT NULL DEFAULT 0,
  `subclass`      TINYINT UNSIGNED NOT NULL DEFAULT 0,
  `name`          VARCHAR(255)     NOT NULL DEFAULT '',
  `Quality`       TINYINT UNSIGNED NOT NULL DEFAULT 0,
  `ItemLevel`     SMALLINT UNSIGNED NOT NULL DEFAULT 0,
  `RequiredLevel` TINYINT UNSIGNED NOT NULL DEFAULT 0,
  PRIMARY KEY (`entry`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;

-- Translated item names, one column per client locale 1 to 8
-- (8 = Russian). An empty value means no translation.
CREATE TABLE `locales_item` (
  `entry`     INT UNSIGNED NOT NULL DEFAULT 0,
  `name_loc1` VARCHAR(100) NOT NULL DEFAULT '',
  `name_loc2` VARCHAR(100) NOT NULL DEFAULT '',
  `name_loc3` VARCHAR(100) NOT NULL DEFAULT '',
  `name_loc4` VARCHAR(100) NOT NULL DEFAULT '',
  `name_loc5` VARCHAR(100) NOT NULL DEFAULT '',
  `name_loc6` VARCHAR(100) NOT NULL DEFAULT '',
  `name_loc7` VARCHAR(100) NOT NULL DEFAULT '',
  `name_loc8` VARCHAR(100) NOT NULL DEFAULT '',
  PRIMARY KEY (`entry`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb3 COLLATE=utf8mb3_general_ci;
