-- realmdesk test and demo databases: data.
--
-- Load after schema.sql, as the server's root user:
--   mariadb --default-character-set=utf8mb4 < data.sql
-- Every table is emptied first, so loading twice gives the same content.
--
-- All text is UTF-8 except ONE value: `realmd`.`ip_banned`.`banreason` is a
-- byte column, and the ban of IP 10.10.10.10 (bandate 1700000000) holds the
-- Russian word "Реклама" in Windows-1251 bytes (X'D0E5EAEBE0ECE0'), which is
-- not well-formed UTF-8 and is therefore shown as an empty reason.
--
-- last_login values are relative to the time of loading (NOW() - n days),
-- so that "recent" and "stale" (more than 150 days) stay what they are.
-- Everything else is fixed.

SET NAMES utf8mb4;

-- ---------------------------------------------------------------------------
-- realmd
-- ---------------------------------------------------------------------------
USE `realmd`;

DELETE FROM `account`;
DELETE FROM `account_banned`;
DELETE FROM `ip_banned`;
DELETE FROM `realmlist`;
DELETE FROM `autobroadcast`;

-- Demo accounts and their plain passwords. sha_pass_hash is the upper-case
-- hex SHA-1 of the UTF-8 bytes of username ':' password with only a-z
-- upper-cased, as the game server computes it; for example
--   printf '%s' 'НАТАША:лето' | sha1sum
-- gives the hash of account 7 (in lower case).
--    1  ADMIN        admin
--    2  ГЛАВГМ       гм2024
--    3  MODERATOR    mod123
--    4  GAMEMASTER   gmpass
--    5  ВАСЯ         qwerty
--    6  ПЕТРОВИЧ     12345
--    7  НАТАША       лето
--    8  JOHNDOE      password
--    9  CHEATER      hackme
--   10  NEWBIE       newbie
--   11  ДРАКОН       огонь
--   12  ЛЕСНИК       берёза
--   13  TESTER       test
--   14  OLDTIMER     vanilla
--   15  СЕРГЕЙ       пароль
--   16  MARIA        maria1990
--   17  ИГОРЬ        1111
--   18  BANNED       banned
--   19  SUPPORT      support
--   20  КОТ          мурмур
--
-- Notes: 2 ГЛАВГМ is in the game (active_realm_id 1); 12 ЛЕСНИК plays on
-- realm 2; 10 NEWBIE never logged in (last_login is the zero date); 6, 8, 9, 11, 14, 16
-- and 18 have not logged in for more than 150 days; 5, 6 and 15 share the
-- last IP 95.24.12.7; 9 CHEATER is locked and has two bans; 10, 13 and 17
-- own no character; 19 SUPPORT is the service account for orphaned
-- characters; 20 КОТ has no e-mail (NULL); 5 has a Cyrillic e-mail.
INSERT INTO `account` (`id`,`username`,`sha_pass_hash`,`gmlevel`,`sessionkey`,`v`,`s`,`email`,`joindate`,`last_ip`,`failed_logins`,`locked`,`last_login`,`active_realm_id`,`expansion`,`locale`) VALUES
 (1, 'ADMIN', '8301316D0D8448A34FA6D0C6BF1CBFA2B4A1A93A', 4, '580CF0C5A9CC3D3519848EAD8973F5C96D47D08D6572AA617CE6A8FEFBE607FEE5B5F8687235B9E6', '57108747823E684051C0D54278E7BD65C2E2047D8547738801380C109489A021', '18DF7FCA41372B56535E7E9FE1F2A944C9549F4BA26882859DCFD9019794CC88', 'admin@realm.local', '2019-02-11 10:15:00', '127.0.0.1', 0, 0, NOW() - INTERVAL 1 DAY, 0, 2, 0),
 (2, 'ГЛАВГМ', '51B0B43C02A63960D71126059C7E65D3F74379D6', 3, 'B2C416FCEAC93A537B49AA0B638943E0DB50E7DDFD9975E9953E2A65F8271D11E5CB1E1C9234A87F', 'B69C2F1C2CF322A07729EB4AF1D21E32228F5AC33D3195B4FB5715953BA8CB70', 'D1E783C0F7AD4AA05804268EF7A4F2BF21B5FD888AAF2AAC4B5B232E03EA8F4E', 'glavgm@mail.ru', '2019-03-02 21:40:12', '192.168.1.10', 0, 0, NOW(), 1, 2, 8),
 (3, 'MODERATOR', '24E8EC562AFCB994411F50B9DCDC4B832D62A913', 1, 'B7BA489652843E82B18CCAF760F35A2A2142D07DB99607EBD85A0D20509ED1DCF2C86E4DBB765EA9', '9D72C7BB0FF110EC0D52BD19123430B8F26FE8777BF82763BC5FA8CA742FC7AB', '472A995F20EECF5B34455EBF9313DCFC26C719F0C1F7126C0D5E993944DD4133', 'moder@example.com', '2020-01-19 08:05:33', '10.0.0.15', 0, 0, NOW() - INTERVAL 10 DAY, 0, 1, 0),
 (4, 'GAMEMASTER', 'AE8CB58449A8B9E9B0EBFF289CB49A9A7B8E7D98', 2, '5CCB48D4A9AF7932BAC589C755BC2695EB5191B9F31D0786CF87B7F20B4AB527EA9FF879AFCA4FDF', '96CD4BBFCF0B5E1C548EAE09DFF2EB49EA3555CA8DFAD1B4F45CE4FF1F5B30F6', '189067E766747D56AEAE64046323025AD57C3BD1AC4EB1EBABC1F5ADDC1AE1A4', 'gm@example.org', '2020-04-27 17:55:01', '10.0.0.16', 1, 0, NOW() - INTERVAL 2 DAY, 0, 2, 0),
 (5, 'ВАСЯ', '335242ED882D9C5DCDFCC2D90BD4A74A7105EA7D', 0, '0050A51A40CF0D8CB21915AFCA28081BFC499699DB7F41F768017A10F05A49461C8106C680429955', '06ADA01C7C761A5125FADF49F8507F105F0BEF0CE47113E54FC67C6D354964AD', 'DE86CCA6DD0CC69922C090513C55622B8B30E1C886BDB29DB4DD35622D082D32', 'вася@почта.рф', '2021-06-30 19:12:45', '95.24.12.7', 0, 0, NOW() - INTERVAL 3 DAY, 0, 2, 8),
 (6, 'ПЕТРОВИЧ', '6D0C53AAE5C67160C44B3F55204C1E861E0B0E3F', 0, NULL, NULL, NULL, 'petrovich@yandex.ru', '2020-09-14 12:00:00', '95.24.12.7', 3, 0, NOW() - INTERVAL 200 DAY, 0, 1, 8),
 (7, 'НАТАША', 'A6E9B04FD3F662D34B1C7EA67FC213B9462FC381', 0, '48EC2A8470AA5394E374B4242CA74002D780A340DA59CA8AC8A8E7AAD1BCD8170C467E15FD04CF2C', 'E388EB4D353251B566594AA7A3F4DE318A0E9F427DCD59BCD1B22C83EAA57E2F', '5311F1773E1CF0A1FC02EF9B1E41FA9B52F8C07C0B8FEAB0DB0A498A7B88955A', 'natasha@mail.ru', '2021-02-08 23:31:07', '178.66.3.21', 0, 0, NOW() - INTERVAL 5 DAY, 0, 2, 8),
 (8, 'JOHNDOE', 'E5AB67EF41BC2FDF91071DB42381F442C64316B5', 0, NULL, NULL, NULL, 'john.doe@example.com', '2021-11-03 14:22:19', '203.0.113.5', 0, 0, NOW() - INTERVAL 300 DAY, 0, 0, 0),
 (9, 'CHEATER', '0635E97E82205B7AE0065A223649C5E987745621', 0, NULL, NULL, NULL, 'cheater@example.net', '2022-05-21 02:44:50', '198.51.100.23', 7, 1, NOW() - INTERVAL 160 DAY, 0, 2, 0),
 (10, 'NEWBIE', '2B2B1583D08A6983541B70F6D6BA04EC5F4E6011', 0, NULL, NULL, NULL, 'newbie@example.com', '2026-11-20 16:03:27', '0.0.0.0', 0, 0, '0000-00-00 00:00:00', 0, 2, 0),
 (11, 'ДРАКОН', '5AB865ACC16CF3E97DDAC025EC3E25EB8987E1E3', 0, NULL, NULL, NULL, 'drakon@list.ru', '2020-07-07 07:07:07', '46.188.5.90', 0, 0, NOW() - INTERVAL 400 DAY, 0, 1, 8),
 (12, 'ЛЕСНИК', '7CDF0C6329CCBFE8511F55A1A1313A1F9BC1083E', 0, '1E5017FB4A216D798640017D2D1B249FF3700EFDA105375AAC0E00D41BD40590672EAD21F34A5582', '842C0D40EE864A447E09D60EDD8A88D09C30EFDD53A36FB7E47FA3F9A7F2E580', '7C13C4442DFE1360131184C3285EEE58E82EA5FA1701EE1B1EF8C23361A0448D', 'lesnik@bk.ru', '2023-12-01 11:11:11', '31.173.80.4', 0, 0, NOW() - INTERVAL 1 DAY, 2, 2, 8),
 (13, 'TESTER', 'E46BA7DD7519853DC1D71A5DFBF354044E6E9552', 0, NULL, NULL, NULL, 'tester@realm.local', '2024-08-15 09:30:00', '127.0.0.1', 0, 0, NOW() - INTERVAL 30 DAY, 0, 2, 0),
 (14, 'OLDTIMER', '236481EAE8B3E3388D362060CF57B069CB61F526', 0, NULL, NULL, NULL, 'oldtimer@example.com', '2019-01-05 20:00:00', '82.140.1.2', 0, 0, NOW() - INTERVAL 900 DAY, 0, 0, 0),
 (15, 'СЕРГЕЙ', '979AA56E178437E39D754A388C236CC98C0B2449', 0, '559D76D3837EE31863D960E5A1FB87F3B0B72E4C1FCB617ED277C9633851952E98D77B83775085B8', 'A707EEC242EC3B0E352F104DF7468B9E61C8591B616CA4E1B43C0B6F58358D4C', 'C037D6D14CC4BA1E1840E51662E6034D1712DB6156072C04EA5CCAD9D2E91CA6', 'sergey@gmail.com', '2024-03-18 18:45:59', '95.24.12.7', 0, 0, NOW() - INTERVAL 7 DAY, 0, 2, 8),
 (16, 'MARIA', '2A3699789500CD4999D9BB87AD369812E5CD4217', 0, NULL, NULL, NULL, 'maria@example.com', '2023-04-22 13:13:13', '188.32.7.14', 2, 0, NOW() - INTERVAL 180 DAY, 0, 1, 0),
 (17, 'ИГОРЬ', '28511E60F1A790E910F542EC8E10E6E5C6CEEEC7', 0, '0CB7E49E881378E8E3871121521A6459DF712BA639F844910DF1653F08CD15DB604689C3A2DEEF8F', '82776C7B7224F872F2AB6B7392D2A64425FBF1FB7028DA230AFE6207463CC10C', '2797D78AFD8F6661BC14390EBA9EAB2A7DB148A93697FB33A4FED465850B9A00', 'igor@rambler.ru', '2026-07-01 10:00:00', '176.59.2.8', 0, 0, NOW(), 0, 2, 8),
 (18, 'BANNED', '5A31EA4791DCB33648008D0C5C260BAAA37E2A9A', 0, NULL, NULL, NULL, 'banned@example.com', '2022-10-10 22:22:22', '203.0.113.77', 5, 0, NOW() - INTERVAL 250 DAY, 0, 1, 0),
 (19, 'SUPPORT', 'DFF627E2ACF94E2E5A10B4AA434E3DF372AC9DDE', 3, 'BF2268C9E7ACE6D83395A182A0AF342A61ECCFF2ECAEAD5DFFBFB7B41EC2CB6206FD718275BE26A4', '9910026B6C45406522723B1F8238CF86F13182774F65FDFD89322E70A69FBA32', '279816907A519F45D9DB54607A61F165D3C8F87747ED268515C28183A461685C', 'support@realm.local', '2019-02-11 10:20:00', '127.0.0.1', 0, 0, NOW() - INTERVAL 4 DAY, 0, 2, 0),
 (20, 'КОТ', 'BA7462EAEC84C0B9A25DA86B83E9DBAA55C22D26', 0, '0D3C32555B8C0D86207D04FF2CDDA2E1C37D7A4945FD2B552652E8D8B3816EA6C667B66E3A7CEBF0', '5505B7016FC009BD375FE02B758AE2C3B0130F36F10D300F5CF0FD1FC81D18B0', '278A4101676668675FB9371AF31B5243D0D57F79E77E9C02DF75C93615FA631F', NULL, '2025-12-31 23:59:00', '109.252.1.1', 0, 0, NOW() - INTERVAL 15 DAY, 0, 2, 8);

ALTER TABLE `account` AUTO_INCREMENT = 21;

-- Account bans: 9 has a lifted and an active permanent ban; 18 a lifted
-- one; 6 an active one; 555 and 777 are accounts that no longer exist.
INSERT INTO `account_banned` (`id`,`bandate`,`unbandate`,`bannedby`,`banreason`,`active`) VALUES
 (9,   1704067200, 1704672000, 'ADMIN',      'Speed hack', 0),
 (9,   1717200000, 1717200000, 'ГЛАВГМ',     'Повторное использование читов', 1),
 (18,  1709251200, 1709856000, 'GAMEMASTER', 'Оскорбление игроков в общем чате', 0),
 (6,   1725148800, 1893456000, 'MODERATOR',  'Продажа золота за реальные деньги', 1),
 (777, 1690000000, 1690000000, 'ADMIN',      'Аккаунт удалён, бан оставлен', 1),
 (555, 1672531200, 1673136000, 'SUPPORT',    'Multiboxing', 0);

-- IP bans. The row 10.10.10.10 holds its reason in Windows-1251 bytes
-- ("Реклама"), every other reason is UTF-8. 198.51.100.23 is the last IP of
-- account 9 and has two bans.
INSERT INTO `ip_banned` (`ip`,`bandate`,`unbandate`,`bannedby`,`banreason`) VALUES
 ('198.51.100.23', 1704067200, 1704672000, 'ADMIN',      'Читы, первое предупреждение'),
 ('198.51.100.23', 1717200000, 1717200000, 'ГЛАВГМ',     'Читерство, обход бана аккаунта'),
 ('203.0.113.77',  1709251200, 1709856000, 'GAMEMASTER', 'Flood in general chat'),
 ('10.10.10.10',   1700000000, 1700086400, '[Console]',  X'D0E5EAEBE0ECE0'),
 ('31.173.80.4',   1735689600, 1735776000, 'MODERATOR',  'Подбор паролей');

-- Realms; realm 1 has a Cyrillic name. Names are unique.
INSERT INTO `realmlist` (`id`,`name`,`address`,`port`,`icon`,`color`,`timezone`,`allowedSecurityLevel`,`population`,`realmbuilds`) VALUES
 (1, 'Вечный Огонь', '127.0.0.1',    8085, 0, 2, 8, 0, 1.5, '8606 12340'),
 (2, 'Northwind',    '192.168.1.50', 8086, 1, 2, 1, 0, 0.5, '12340'),
 (3, 'Test PvP',     '10.0.0.5',     8087, 1, 0, 1, 2, 0,   '');

ALTER TABLE `realmlist` AUTO_INCREMENT = 4;

-- Broadcast messages: 3 holds a single quote and double quotes, 5 a line
-- break (a bare line feed), 6 a letter that Windows-1251 lacks (ñ); 7 has
-- not been scheduled (next NULL).
INSERT INTO `autobroadcast` (`id`,`text`,`next`) VALUES
 (1, 'Добро пожаловать на сервер «Вечный Огонь»! Приятной игры.', 1),
 (2, 'Server restart every day at 05:00 (Moscow time).', 1),
 (3, 'Don''t share your password: a GM will never ask for it. Remember the "golden rule"!', 2),
 (4, 'Ищете гильдию? Загляните на форум, раздел "Гильдии".', 1),
 (5, 'Внимание!\nВ субботу с 10:00 до 12:00 профилактические работы.', 3),
 (6, 'Vote for us every day – bonus points await! Gracias, señores.', 1),
 (7, 'Нашли ошибку? Пишите в тикет, администрация ответит.', NULL);

ALTER TABLE `autobroadcast` AUTO_INCREMENT = 8;

-- ---------------------------------------------------------------------------
-- realmd_old (the older account table: e-mail as bytes, last_login NULL)
-- ---------------------------------------------------------------------------
USE `realmd_old`;

DELETE FROM `account`;

-- 1 has an e-mail written in Windows-1251 bytes ("вася@почта.рф",
-- X'E2E0F1FF40EFEEF7F2E02EF0F4'), which is not well-formed UTF-8 and is
-- therefore shown empty; 1 and 3 never logged in (NULL); 3 has no e-mail.
-- Passwords: 1 ВАСЯ qwerty, 2 STARIK oldpass, 3 NOMAIL nomail.
INSERT INTO `account` (`id`,`username`,`sha_pass_hash`,`gmlevel`,`email`,`joindate`,`last_ip`,`failed_logins`,`locked`,`last_login`,`active_realm_id`,`expansion`,`locale`) VALUES
 (1, 'ВАСЯ',   '335242ED882D9C5DCDFCC2D90BD4A74A7105EA7D', 0, X'E2E0F1FF40EFEEF7F2E02EF0F4', '2008-03-01 12:00:00', '95.24.12.7', 0, 0, NULL, 0, 0, 8),
 (2, 'STARIK', '6C317E35352B294F84CD48FE2D769E0C381E93C0', 0, 'starik@mail.ru', '2008-04-02 13:30:00', '10.1.1.1', 1, 0, '2010-05-01 10:00:00', 0, 1, 0),
 (3, 'NOMAIL', '3A3168C014B14CC4F5478C0982E73DB06AA93F3D', 0, NULL, '2009-01-15 08:00:00', '0.0.0.0', 0, 0, NULL, 0, 0, 0);

ALTER TABLE `account` AUTO_INCREMENT = 4;

-- ---------------------------------------------------------------------------
-- characters
-- ---------------------------------------------------------------------------
USE `characters`;

DELETE FROM `characters`;
DELETE FROM `character_queststatus`;
DELETE FROM `character_inventory`;
DELETE FROM `item_instance`;
DELETE FROM `character_spell`;
DELETE FROM `character_aura`;
DELETE FROM `character_homebind`;
DELETE FROM `character_action`;
DELETE FROM `character_reputation`;
DELETE FROM `character_social`;
DELETE FROM `character_declinedname`;
DELETE FROM `groups`;
DELETE FROM `group_member`;
DELETE FROM `corpse`;

-- 30 characters. Online: 2, 5 and 17 (5's account shows offline: its
-- online flag was left behind by a crash). 28-30 belong to accounts 900 and
-- 901, which do not exist. 13 has more than 1,000,000,000 copper.
-- 4 is on a ship, 16 on a flight path. `data` ends with a blank for even
-- guids and without one for odd guids; 9 has runs of blanks inside.
INSERT INTO `characters` (`guid`,`account`,`data`,`name`,`race`,`class`,`gender`,`level`,`xp`,`money`,`position_x`,`position_y`,`position_z`,`map`,`zone`,`orientation`,`online`,`totaltime`,`logout_time`,`trans_x`,`trans_y`,`trans_z`,`trans_o`,`transguid`,`taxi_path`,`at_login`) VALUES
 (1, 1, '1 0 25 0 1065353216 0 0 0 0 0 0 0 7650 6460 0 0 0 0 0 7650 6460 80 102 16777729 0 1065353216 1069547520 52000000 0 0 26458 0 255 0 0 1065353216 0 0 0 255 1065353216', 'Админус', 1, 2, 0, 80, 0, 52000000, -8855.2, 642.783, 94.0066, 0, 1519, 1.06, 0, 696000, 1765086411, 0, 0, 0, 0, 0, '', 0),
 (2, 2, '2 0 25 0 1065353216 0 0 0 0 0 0 0 7650 6460 0 0 0 0 0 7650 6460 80 1008 16844810 0 1065353216 1069547520 1234567 0 0 30597 0 0 5 17 0 0 0 0 0 0 0 0 1065353216 0 17 1065353216 1 2 0 ', 'Главгм', 10, 8, 1, 80, 0, 1234567, 9455.804, -7281.497, 14.2285, 530, 3487, 0.0, 1, 639120, 0, 0, 0, 0, 0, 0, '', 0),
 (3, 3, '3 0 25 0 1065353216 0 0 0 0 0 0 0 5750 0 0 0 0 100 0 5750 0 60 704 16843783 0 1065353216 1069547520 845210 0 0 41833 2 19162 0 1 5 0 0 4709 39597 0 2 0 0 0 5 0', 'Modera', 7, 4, 1, 60, 25718, 845210, -4923.376, -957.66, 501.564, 0, 1537, 5.42, 0, 254160, 1765259233, 0, 0, 0, 0, 0, '', 0),
 (4, 4, '4 0 25 0 1065353216 0 0 0 0 0 0 0 6700 0 0 100 0 0 0 6700 0 70 301 16777475 0 1065353216 1069547520 3000000 0 0 1281 255 0 0 0 2 5 2 ', 'Gmtest', 3, 1, 0, 70, 9026, 3000000, -1846.066, 5282.701, -12.428, 530, 3703, 5.95, 0, 384650, 1765345644, 7.5, -3.25, 6.0, 3.14, 1152921504606847001, '', 0),
 (5, 5, '5 0 25 0 1065353216 0 0 0 0 0 0 0 4040 3420 0 0 0 0 0 4040 3420 42 203 16777986 0 1065353216 1069547520 215430 0 0 16774 255 25771 17 5 0 5 0 0 32024 5 2 0 255 0 5 255 17 1065353216 0 0 17 0 255 1 1 17 2 17', 'Васёк', 2, 3, 0, 42, 36076, 215430, -630.521, -4232.834, 38.718, 1, 14, 0.0, 1, 292488, 0, 0, 0, 0, 0, 0, '', 0),
 (6, 5, '6 0 25 0 1065353216 0 0 0 0 0 0 0 3375 2860 0 0 0 0 0 3375 2860 35 411 16845572 0 1065353216 1069547520 98765 0 0 10731 2 0 2 17 5 0 255 0 5 2 0 0 ', 'Василиса', 4, 11, 1, 35, 19319, 98765, 10296.102, 811.079, 1326.41, 1, 141, 5.69, 0, 117565, 1765518466, 0, 0, 0, 0, 0, '', 0),
 (7, 6, '7 0 25 0 1065353216 0 0 0 0 0 0 0 7650 0 0 0 0 0 8 7650 0 80 506 16778757 0 1065353216 1069547520 7654321 0 0 44401 2 17 2 2 5 1 0 0 255 0 0 86012 1065353216 1065353216 255 5 0', 'Петрович', 5, 6, 0, 80, 0, 7654321, 2361.807, -5677.549, 426.028, 609, 4298, 3.65, 0, 512960, 1765604877, 0, 0, 0, 0, 0, '', 0),
 (8, 6, '8 0 25 0 1065353216 0 0 0 0 0 0 0 2425 2060 0 0 0 0 0 2425 2060 25 607 16779014 0 1065353216 1069547520 12050 0 0 23419 0 1 5 0 2 33367 0 0 5 255 1 5 255 1 0 2 ', 'Дедушка', 6, 7, 0, 25, 15361, 12050, -2938.106, -258.946, 52.9968, 1, 215, 0.0, 0, 89525, 1765691288, 0, 0, 0, 0, 0, '', 0),
 (9, 7, '9 0 25 0 1065353216 0 0 0 0 0  0 0 5275 4460 0 0 0 0 0 5275   4460 55 1105 16844043 0 1065353216 1069547520 410000 0 0 521 0 5 255 0 0 2 17 0 2', 'Наташа', 11, 5, 1, 55, 16654, 410000, -3965.677, -13943.036, 100.615, 530, 3524, 2.08, 0, 494395, 1765777699, 0, 0, 0, 0, 0, '', 0),
 (10, 7, '10 0 25 0 1065353216 0 0 0 0 0 0 0 6700 5660 0 0 0 0 0 6700 5660 70 1002 16843274 0 1065353216 1069547520 2500000 0 0 14165 17 17 0 0 5 17 90627 17 5 17 1065353216 17 0 0 0 48189 1065353216 0 1065353216 0 2 2 5 0 ', 'Натали', 10, 2, 1, 70, 58519, 2500000, -269.575, 918.065, 84.3497, 530, 3483, 1.58, 0, 236110, 1765864110, 0, 0, 0, 0, 0, '', 0),
 (11, 8, '11 0 25 0 1065353216 0 0 0 0 0 0 0 1475 0 0 100 0 0 0 1475 0 15 101 16777473 0 1065353216 1069547520 1520 0 0 43539 0 0 1065353216 255 5 68755 0 0 17 0 5 17 2 2', 'Johnny', 1, 1, 0, 15, 9177, 1520, -8959.669, -122.249, 83.5312, 0, 12, 0.0, 0, 71265, 1765950521, 0, 0, 0, 0, 0, '', 1),
 (12, 8, '12 0 25 0 1065353216 0 0 0 0 0 0 0 2900 2460 0 0 0 0 0 2900 2460 30 509 16779525 0 1065353216 1069547520 43000 0 0 51161 0 5 12908 1 5 5 40678 1 1065353216 0 0 0 0 255 1065353216 30303 5 2 1 2 0 255 5 0 1 69981 0 ', 'Shadowjohn', 5, 9, 0, 30, 6536, 43000, 1657.745, 1698.958, 121.67, 0, 85, 2.7, 0, 156510, 1766036932, 0, 0, 0, 0, 0, '', 0),
 (13, 9, '13 0 25 0 1065353216 0 0 0 0 0 0 0 6700 5660 0 0 0 0 0 6700 5660 70 803 16777992 0 1065353216 1069547520 1500000000 0 0 61257 77580 0 255 5 65234 2 1065353216 49786 17 21020 2 0 0 0 2 0 0 18744', 'Goldfarmer', 8, 3, 0, 70, 31023, 1500000000, 1619.111, -4363.874, 31.2564, 1, 1637, 3.54, 0, 516950, 1766123343, 0, 0, 0, 0, 0, '', 0),
 (14, 9, '14 0 25 0 1065353216 0 0 0 0 0 0 0 5750 0 0 0 0 100 0 5750 0 60 204 16778242 0 1065353216 1069547520 999999 0 0 34489 1 0 5 1065353216 255 0 5 1065353216 0 0 58865 255 92832 1 0 0 ', 'Cheatbot', 2, 4, 0, 60, 18545, 999999, -608.331, -4270.821, 38.718, 1, 14, 0.0, 0, 255960, 1766209754, 0, 0, 0, 0, 0, '', 4),
 (15, 11, '15 0 25 0 1065353216 0 0 0 0 0 0 0 4610 3900 0 0 0 0 0 4610 3900 48 611 16780038 0 1065353216 1069547520 180000 0 0 41500 255 0 255 0 2 255 2 1 2 255 0 5 5 2', 'Дракоша', 6, 11, 0, 48, 2421, 180000, -1301.491, 146.868, 131.287, 1, 1638, 5.22, 0, 206016, 1766296165, 0, 0, 0, 0, 0, '', 9),
 (16, 11, '16 0 25 0 1065353216 0 0 0 0 0 0 0 4990 4220 0 0 0 0 0 4990 4220 52 808 16844808 0 1065353216 1069547520 240000 0 0 45928 255 2 1065353216 1065353216 5 255 ', 'Огнедых', 8, 8, 1, 52, 9349, 240000, 1637.192, -4383.09, 31.2564, 1, 1637, 3.54, 0, 230984, 1766382576, 0, 0, 0, 0, 0, '0 42 0 43 0 44', 0),
 (17, 12, '17 0 25 0 1065353216 0 0 0 0 0 0 0 6320 5340 0 0 0 0 0 6320 5340 66 403 16777988 0 1065353216 1069547520 870000 0 0 57076 17 0 17 0 17 1065353216 1065353216 5 1 50107 0 255 0 5 17 1 0 1065353216 0 2 10519 5 84364 1 2 1 1065353216', 'Лесовик', 4, 3, 0, 66, 16717, 870000, 2268.744, 5163.658, 11.4, 571, 3537, 4.21, 1, 440418, 0, 0, 0, 0, 0, 0, '', 0),
 (18, 12, '18 0 25 0 1065353216 0 0 0 0 0 0 0 1855 1580 0 0 0 0 0 1855 1580 19 405 16844036 0 1065353216 1069547520 6400 0 0 54665 0 17 1065353216 0 0 1065353216 17 0 2 5 0 17 ', 'Травница', 4, 5, 1, 19, 18478, 6400, 10304.152, 816.623, 1326.41, 1, 141, 5.69, 0, 80484, 1766555398, 0, 0, 0, 0, 0, '', 2),
 (19, 14, '19 0 25 0 1065353216 0 0 0 0 0 0 0 5750 4860 0 0 0 0 0 5750 4860 60 109 16779521 0 1065353216 1069547520 1200000 0 0 34258 1 2 2 0 17 5 0 5 0 1065353216 0 2 17 2 0 1 1065353216 1065353216', 'Oldschool', 1, 9, 0, 60, 31529, 1200000, -8837.308, 624.511, 94.0066, 0, 1519, 1.06, 0, 330360, 1766641809, 0, 0, 0, 0, 0, '', 0),
 (20, 15, '20 0 25 0 1065353216 0 0 0 0 0 0 0 7650 0 0 0 0 0 8 7650 0 80 306 16778755 0 1065353216 1069547520 4100000 0 0 59423 255 0 1 17 1065353216 0 0 1065353216 67521 0 0 ', 'Сергей', 3, 6, 0, 80, 0, 4100000, 5814.545, 609.378, 647.767, 571, 4395, 1.64, 0, 545440, 1766728220, 0, 0, 0, 0, 0, '', 0),
 (21, 15, '21 0 25 0 1065353216 0 0 0 0 0 0 0 5940 5020 0 0 0 0 0 5940 5020 62 1107 16779019 0 1065353216 1069547520 530000 0 0 19902 26377 1 2 2 255 1065353216 24099 255 7559 0 1065353216 0 2 0 0 17 17 0 1065353216 0 1065353216 53591 20449 94765 0 0 5', 'Серж', 11, 7, 0, 62, 35204, 530000, -3966.097, -13927.056, 100.615, 530, 3557, 2.08, 0, 470642, 1766814631, 0, 0, 0, 0, 0, '', 0),
 (22, 16, '22 0 25 0 1065353216 0 0 0 0 0 0 0 4230 3580 0 0 0 0 0 4230 3580 44 1009 16845066 0 1065353216 1069547520 150000 0 0 2184 0 1 0 17 2 0 16651 0 1065353216 2 0 2 5 0 5 5 1 1065353216 ', 'Mariabella', 10, 9, 1, 44, 35221, 150000, 10370.489, -6351.204, 33.4026, 530, 3430, 5.32, 0, 215424, 1766901042, 0, 0, 0, 0, 0, '', 0),
 (23, 16, '23 0 25 0 1065353216 0 0 0 0 0 0 0 1950 0 0 100 0 0 0 1950 0 20 401 16843012 0 1065353216 1069547520 8800 0 0 44734 2 17 1065353216 0 1065353216 17 1065353216 255 5 255', 'Marielle', 4, 1, 1, 20, 318, 8800, 9935.917, 2298.457, 1341.4, 1, 1657, 1.59, 0, 99200, 1766987453, 0, 0, 0, 0, 0, '', 1),
 (24, 18, '24 0 25 0 1065353216 0 0 0 0 0 0 0 1190 0 0 100 0 0 0 1190 0 12 201 16777474 0 1065353216 1069547520 300 0 0 39459 94397 0 5 255 255 0 95006 23908 0 0 17 0 255 0 17 2 1065353216 ', 'Griefer', 2, 1, 0, 12, 4598, 300, -641.225, -4266.161, 38.718, 1, 14, 0.0, 0, 72768, 1767073864, 0, 0, 0, 0, 0, '', 1),
 (25, 19, '25 0 25 0 1065353216 0 0 0 0 0 0 0 7650 6460 0 0 0 0 0 7650 6460 80 108 16779265 0 1065353216 1069547520 0 0 0 59076 255 5 0 2 255 1 17 0 1065353216 1065353216 255 22844 0 2 5 17 91338 17 0 0 1 2 2 12829 1065353216 1 2 1', 'Support', 1, 8, 0, 80, 0, 0, -8831.483, 606.183, 94.0066, 0, 1519, 1.06, 0, 510080, 1767160275, 0, 0, 0, 0, 0, '', 0),
 (26, 20, '26 0 25 0 1065353216 0 0 0 0 0 0 0 1760 1500 0 0 0 0 0 1760 1500 18 708 16779271 0 1065353216 1069547520 2300 0 0 54800 0 5 255 0 1065353216 1 0 0 17 1 35350 255 0 0 0 1065353216 17 255 255 17 255 5 5 17 ', 'Котэ', 7, 8, 0, 18, 13712, 2300, -6246.04, 317.358, 382.758, 0, 1, 6.17, 0, 146142, 1767246686, 0, 0, 0, 0, 0, '', 0),
 (27, 20, '27 0 25 0 1065353216 0 0 0 0 0 0 0 2520 2140 0 0 0 0 0 2520 2140 26 1103 16843531 0 1065353216 1069547520 17800 0 0 6629 0 17 1 0 0 0 73197 2 0 0 0 17 0 0 0 5 1 0 0 1 2', 'Мурка', 11, 3, 1, 26, 13904, 17800, -3945.387, -13929.522, 100.615, 530, 3524, 2.08, 0, 149006, 1767333097, 0, 0, 0, 0, 0, '', 12),
 (28, 900, '28 0 25 0 1065353216 0 0 0 0 0 0 0 3375 0 0 0 0 100 0 3375 0 35 504 16778245 0 1065353216 1069547520 60000 0 0 10361 17 17 0 17 1065353216 1 5 1065353216 255 0 2 2 2 0 ', 'Призрак', 5, 4, 0, 35, 22605, 60000, 1563.098, 238.06, -52.149, 0, 1497, 0.05, 0, 106575, 1767419508, 0, 0, 0, 0, 0, '', 0),
 (29, 900, '29 0 25 0 1065353216 0 0 0 0 0 0 0 2140 0 0 100 0 0 0 2140 0 22 601 16777478 0 1065353216 1069547520 7000 0 0 50378 17 0 1 5 0 1065353216 0 1065353216 5 0 5 2 1 255 5 42517 0 0', 'Ghostwalker', 6, 1, 0, 22, 2589, 7000, -2896.99, -253.469, 52.9968, 1, 215, 0.0, 0, 175296, 1767505919, 0, 0, 0, 0, 0, '', 0),
 (30, 901, '30 0 25 0 1065353216 0 0 0 0 0 0 0 1380 1180 0 0 0 0 0 1380 1180 14 805 16778504 0 1065353216 1069547520 950 0 0 28558 0 0 98526 88553 0 0 0 38208 0 17 1 0 1 ', 'Забытый', 8, 5, 0, 14, 8032, 950, -622.943, -4243.04, 38.718, 1, 14, 0.0, 0, 99848, 1767592330, 0, 0, 0, 0, 0, '', 8);

-- Home-bind points of every character except 29 and 30.
INSERT INTO `character_homebind` (`guid`,`map`,`zone`,`position_x`,`position_y`,`position_z`) VALUES
 (1, 0, 1519, -8833.38, 628.62, 94.0066),
 (2, 530, 3487, 9473.03, -7279.67, 14.2285),
 (3, 0, 1537, -4918.88, -940.406, 501.564),
 (4, 530, 3703, -1838.16, 5301.79, -12.428),
 (5, 1, 1637, 1629.36, -4373.39, 31.2564),
 (6, 1, 1657, 9949.56, 2284.21, 1341.4),
 (7, 571, 4395, 5804.15, 624.771, 647.767),
 (8, 1, 1638, -1277.37, 124.804, 131.287),
 (9, 530, 3557, -3961.64, -13931.2, 100.615),
 (10, 530, 3487, 9473.03, -7279.67, 14.2285),
 (11, 0, 12, -8949.95, -132.493, 83.5312),
 (12, 0, 1497, 1586.48, 239.562, -52.149),
 (13, 1, 1637, 1629.36, -4373.39, 31.2564),
 (14, 1, 1637, 1629.36, -4373.39, 31.2564),
 (15, 1, 1638, -1277.37, 124.804, 131.287),
 (16, 1, 1637, 1629.36, -4373.39, 31.2564),
 (17, 1, 1657, 9949.56, 2284.21, 1341.4),
 (18, 1, 1657, 9949.56, 2284.21, 1341.4),
 (19, 0, 1519, -8833.38, 628.62, 94.0066),
 (20, 571, 4395, 5804.15, 624.771, 647.767),
 (21, 530, 3557, -3961.64, -13931.2, 100.615),
 (22, 530, 3487, 9473.03, -7279.67, 14.2285),
 (23, 1, 1657, 9949.56, 2284.21, 1341.4),
 (24, 1, 14, -618.518, -4251.67, 38.718),
 (25, 0, 1519, -8833.38, 628.62, 94.0066),
 (26, 0, 1537, -4918.88, -940.406, 501.564),
 (27, 530, 3557, -3961.64, -13931.2, 100.615),
 (28, 0, 1497, 1586.48, 239.562, -52.149);

-- Quest states. 5 and 7 hold quests of the chain that the quest chain
-- reset removes (1712, 1713, 1718, 1719, 1791, 1792); quest 9999 of 2 has no
-- template in the world database.
INSERT INTO `character_queststatus` (`guid`,`quest`,`status`,`rewarded`) VALUES
 (5,  7,    1, 1),
 (5,  33,   1, 1),
 (5,  783,  1, 1),
 (5,  1718, 1, 1),
 (5,  1719, 3, 0),
 (7,  1712, 1, 1),
 (7,  1713, 1, 1),
 (7,  1791, 1, 1),
 (7,  1792, 3, 0),
 (7,  5261, 1, 1),
 (9,  10,   3, 0),
 (9,  783,  1, 1),
 (2,  9999, 3, 0),
 (13, 1,    5, 0),
 (13, 33,   1, 1),
 (28, 783,  1, 1),
 (30, 7,    3, 0);

-- Items. 5 carries a bag (item 1003) with cloth in it; item 1007 of 5 uses
-- template 2361, which has no row in locales_item; item 1105 of 9 uses
-- template 40000, which is gone from the world database. The characters
-- without accounts (28-30) carry items too.
INSERT INTO `character_inventory` (`guid`,`bag`,`slot`,`item`,`item_template`) VALUES
 (5,  0,    3,  1001, 6096),
 (5,  0,    15, 1002, 2092),
 (5,  0,    19, 1003, 4496),
 (5,  0,    23, 1004, 6948),
 (5,  0,    24, 1005, 4540),
 (5,  1003, 0,  1006, 2589),
 (5,  0,    25, 1007, 2361),
 (9,  0,    3,  1101, 6096),
 (9,  0,    15, 1102, 35),
 (9,  0,    23, 1103, 6948),
 (9,  0,    24, 1104, 159),
 (13, 0,    15, 1201, 25),
 (13, 0,    23, 1202, 6948),
 (13, 0,    24, 1203, 12345),
 (1,  0,    23, 1301, 6948),
 (9,  0,    25, 1105, 40000),
 (28, 0,    23, 1401, 6948),
 (28, 0,    24, 1402, 159),
 (29, 0,    23, 1501, 6948),
 (30, 0,    23, 1601, 6948);

-- The item instances of every inventory row (owner_guid is the carrier),
-- and one of 28 lying in its mail (not in the inventory).
INSERT INTO `item_instance` (`guid`,`owner_guid`,`data`)
SELECT `item`, `guid`, CONCAT(`item`, ' 1073741824 3 ', `item_template`, ' 1065353216 0 ', `guid`, ' 0 0 0')
  FROM `character_inventory`;
INSERT INTO `item_instance` (`guid`,`owner_guid`,`data`) VALUES
 (1403, 28, '1403 1073741824 3 2589 1065353216 0 28 0 0 0');

-- Known spells; one disabled spell and one inactive one.
INSERT INTO `character_spell` (`guid`,`spell`,`active`,`disabled`) VALUES
 (5,  75,    1, 0),
 (5,  1494,  1, 0),
 (5,  2973,  1, 0),
 (5,  13163, 0, 0),
 (7,  45462, 1, 0),
 (7,  45477, 1, 0),
 (7,  48266, 1, 0),
 (7,  50842, 1, 1),
 (9,  585,   1, 0),
 (9,  589,   1, 0),
 (9,  2050,  1, 0),
 (9,  17,    1, 0),
 (13, 75,    1, 0),
 (13, 1978,  1, 0),
 (28, 589,   1, 0),
 (29, 78,    1, 0),
 (30, 585,   1, 0);

-- Auras. 13 still has the three rows the repair writes (spell 15007) and
-- one more aura; 7 has an aura cast by another character (guid 20).
INSERT INTO `character_aura` (`guid`,`caster_guid`,`spell`,`effect_index`,`stackcount`,`amount`,`maxduration`,`remaintime`,`remaincharges`) VALUES
 (13, 13, 15007, 0, 1, -75, 600000, 412000, -1),
 (13, 13, 15007, 1, 1, -75, 600000, 412000, -1),
 (13, 13, 15007, 2, 1, 0,   600000, 412000, -1),
 (13, 13, 13163, 0, 1, 0,   -1,     -1,     -1),
 (7,  7,  48266, 0, 1, 10,  -1,     -1,     -1),
 (7,  20, 57330, 0, 1, 155, 120000, 95000,  -1),
 (28, 28, 15007, 0, 1, -75, 600000, 300000, -1);

-- Groups, keyed by their leader: 9 leads 9, 17 and 23; 5 leads 5 and 2;
-- 28 (without account) leads 28 and 22.
INSERT INTO `groups` (`leaderGuid`,`mainTank`,`mainAssistant`,`lootMethod`,`looterGuid`,`lootThreshold`,`isRaid`,`difficulty`) VALUES
 (9,  17, 0, 3, 9,  2, 0, 0),
 (5,  0,  0, 0, 5,  2, 0, 0),
 (28, 0,  0, 1, 28, 2, 0, 0);

INSERT INTO `group_member` (`leaderGuid`,`memberGuid`,`assistant`,`subgroup`) VALUES
 (9,  9,  0, 0),
 (9,  17, 1, 0),
 (9,  23, 0, 0),
 (5,  5,  0, 0),
 (5,  2,  0, 0),
 (28, 28, 0, 0),
 (28, 22, 0, 0);

-- Action bars (a few buttons each).
INSERT INTO `character_action` (`guid`,`button`,`action`,`type`) VALUES
 (5,  0,  75,    0),
 (5,  1,  2973,  0),
 (5,  11, 159,   128),
 (7,  0,  45462, 0),
 (28, 0,  589,   0),
 (28, 1,  159,   128),
 (29, 0,  78,    0);

-- Reputation with a few factions.
INSERT INTO `character_reputation` (`guid`,`faction`,`standing`,`flags`) VALUES
 (5,  76,  3100,  17),
 (5,  530, 42000, 17),
 (7,  1106, 9000, 17),
 (28, 68,  -2500, 17),
 (30, 76,  0,     16);

-- Friends and ignored characters: 5 and 28 are friends of each other, 2
-- ignores 30.
INSERT INTO `character_social` (`guid`,`friend`,`flags`,`note`) VALUES
 (5,  28, 1, 'старый друг'),
 (28, 5,  1, ''),
 (5,  7,  1, ''),
 (2,  30, 2, 'спам');

-- Declined forms of Cyrillic names.
INSERT INTO `character_declinedname` (`guid`,`genitive`,`dative`,`accusative`,`instrumental`,`prepositional`) VALUES
 (6,  'Василисы', 'Василисе', 'Василису', 'Василисой', 'Василисе'),
 (28, 'Призрака', 'Призраку', 'Призрака', 'Призраком', 'Призраке');

-- Corpses of 11, 24, 5 and 29.
INSERT INTO `corpse` (`guid`,`player`,`position_x`,`position_y`,`position_z`,`orientation`,`map`,`time`,`corpse_type`) VALUES
 (1, 11, -9464.12, 62.03, 56.77, 1.2, 0, 1765432100, 1),
 (2, 24, -600.5, -4200.25, 38.9, 4.4, 1, 1765432200, 0),
 (3, 5,  -620.75, -4255.5, 38.7, 0.3, 1, 1765432300, 1),
 (4, 29, -2890.5, -250.25, 53.0, 2.2, 1, 1765432400, 1);

-- ---------------------------------------------------------------------------
-- characters_old (level, gender and money only inside `data`)
-- ---------------------------------------------------------------------------
USE `characters_old`;

DELETE FROM `characters`;
DELETE FROM `character_queststatus`;
DELETE FROM `character_inventory`;
DELETE FROM `character_spell`;
DELETE FROM `character_aura`;
DELETE FROM `character_homebind`;
DELETE FROM `groups`;
DELETE FROM `group_member`;
DELETE FROM `corpse`;

-- 2 is online; 5 belongs to account 902, which does not exist.
INSERT INTO `characters` (`guid`,`account`,`data`,`name`,`race`,`class`,`position_x`,`position_y`,`position_z`,`map`,`zone`,`orientation`,`online`,`totaltime`,`logout_time`,`taxi_path`,`at_login`) VALUES
 (1, 1, '1 0 25 0 1065353216 0 0 0 0 0 0 0 5750 0 0 100 0 0 0 5750 0 60 101 16777473 0 1065353216 1069547520 1000000 0 0 56578 0 1065353216 255 85350 1 2 0 1065353216 1065353216 1 0 ', 'Староверъ', 1, 1, -8833.38, 628.62, 94.0066, 0, 1519, 1.06, 0, 240000, 1600086400, '', 0),
 (2, 5, '2 0 25 0 1065353216 0 0 0 0 0 0 0 4325 3660 0 0 0 0 0 4325 3660 45 508 16779269 0 1065353216 1069547520 250000 0 0 33785 2 1065353216 5 1 2 0 0 1 17 17 0 1', 'Дедвася', 5, 8, 1586.48, 239.562, -52.149, 0, 1497, 0.05, 1, 180000, 0, '', 0),
 (3, 7, '3 0 25 0 1065353216 0 0 0 0 0 0 0 3660 3100 0 0 0 0 0 3660 3100 38 411 16845572 0 1065353216 1069547520 90000 0 0 21234 5 0 0 0 17 0 1 0 ', 'Elune', 4, 11, 9949.56, 2284.21, 1341.4, 1, 1657, 1.59, 0, 152000, 1600259200, '', 1),
 (4, 8, '4 0 25 0 1065353216 0 0 0 0 0 0 0 1190 0 0 0 0 100 0 1190 0 12 104 16778241 0 1065353216 1069547520 1200 0 0 3501 93640 1 1 94733 1065353216', 'Oldjohn', 1, 4, -8949.95, -132.493, 83.5312, 0, 12, 0.0, 0, 48000, 1600345600, '', 4),
 (5, 902, '5 0 25 0 1065353216 0 0 0 0 0 0 0 2615 2220 0 0 0 0 0 2615 2220 27 603 16843526 0 1065353216 1069547520 33000 0 0 50828 0 0 2 84621 0 17 1 0 1 88082 ', 'Безхозный', 6, 3, -2917.58, -257.98, 52.9968, 1, 215, 0.0, 0, 108000, 1600432000, '', 0);

INSERT INTO `character_homebind` (`guid`,`map`,`zone`,`position_x`,`position_y`,`position_z`) VALUES
 (1, 0, 1519, -8833.38, 628.62, 94.0066),
 (2, 0, 1497, 1586.48, 239.562, -52.149),
 (3, 1, 1657, 9949.56, 2284.21, 1341.4),
 (4, 0, 12, -8949.95, -132.493, 83.5312),
 (5, 1, 1638, -1277.37, 124.804, 131.287);

INSERT INTO `character_queststatus` (`guid`,`quest`,`status`,`rewarded`) VALUES
 (1, 7,    1, 1),
 (1, 1718, 3, 0),
 (2, 33,   1, 1);

INSERT INTO `character_inventory` (`guid`,`bag`,`slot`,`item`,`item_template`) VALUES
 (1, 0, 15, 501, 25),
 (1, 0, 23, 502, 6948),
 (2, 0, 23, 503, 6948),
 (5, 0, 23, 504, 6948);

INSERT INTO `character_spell` (`guid`,`spell`,`active`,`disabled`) VALUES
 (1, 78,  1, 0),
 (1, 2457, 1, 0),
 (2, 133, 1, 0),
 (5, 75,  1, 0);

INSERT INTO `character_aura` (`guid`,`caster_guid`,`spell`,`effect_index`,`stackcount`,`amount`,`maxduration`,`remaintime`,`remaincharges`) VALUES
 (2, 2, 15007, 0, 1, -75, 600000, 200000, -1);

-- ---------------------------------------------------------------------------
-- mangos
-- ---------------------------------------------------------------------------
USE `mangos`;

DELETE FROM `quest_template`;
DELETE FROM `item_template`;
DELETE FROM `locales_item`;

-- Quests. 1712-1713, 1718-1719 and 1791-1792 are the three parts of the
-- "Перехват" chain.
INSERT INTO `quest_template` (`entry`,`MinLevel`,`QuestLevel`,`Title`,`Details`,`Objectives`,`PrevQuestId`,`NextQuestId`,`ExclusiveGroup`,`NextQuestInChain`) VALUES
 (1,    1,  5,  'A Threat Within', 'Report to the marshal.', 'Speak with the marshal.', 0, 0, 0, 0),
 (7,    1,  2,  'Kobold Camp Cleanup', 'Clear the kobold camp.', 'Kill 10 kobold vermin.', 0, 0, 0, 0),
 (10,   50, 52, 'Разведка в горах', 'Осмотрите перевал и вернитесь с донесением.', 'Разведайте перевал.', 0, 0, 0, 0),
 (33,   2,  4,  'Wolves Across the Border', 'Bring 8 tough wolf meat.', 'Collect 8 Tough Wolf Meat.', 0, 0, 0, 0),
 (783,  1,  1,  'Угроза изнутри', 'Поговорите с командиром.', 'Найдите командира.', 0, 0, 0, 0),
 (1712, 28, 30, 'Перехват: гонец', 'Остановите гонца у моста.', 'Перехватите гонца.', 0, 1713, 0, 1713),
 (1713, 28, 30, 'Перехват: донесение', 'Доставьте донесение в крепость.', 'Отнесите донесение.', 1712, 0, 0, 0),
 (1718, 28, 30, 'Перехват: остров', 'Доберитесь до острова и найдите лагерь.', 'Найдите лагерь.', 0, 1719, 0, 1719),
 (1719, 28, 30, 'Перехват: испытание', 'Выдержите испытание на острове.', 'Пройдите испытание.', 1718, 0, 0, 0),
 (1791, 30, 32, 'Перехват: караван', 'Нападите на караван в ущелье.', 'Захватите груз.', 0, 1792, 0, 1792),
 (1792, 30, 32, 'Перехват: груз', 'Верните захваченный груз.', 'Доставьте груз.', 1791, 0, 0, 0),
 (5261, 55, 58, 'Eagan''s "Secret" Recipe', 'Find the missing recipe.', 'Bring back the recipe.', 0, 0, 0, 0);

-- Items. 2361 has no translation row; 12345 has a row with an empty
-- Russian name.
INSERT INTO `item_template` (`entry`,`class`,`subclass`,`name`,`Quality`,`ItemLevel`,`RequiredLevel`) VALUES
 (25,    2,  7, 'Worn Shortsword',          1, 2,  1),
 (35,    2, 10, 'Bent Staff',               1, 2,  1),
 (159,   0,  0, 'Refreshing Spring Water',  1, 5,  1),
 (2092,  2, 15, 'Worn Dagger',              1, 2,  1),
 (2361,  2,  4, 'Battleworn Hammer',        1, 2,  1),
 (2589,  7,  0, 'Linen Cloth',              1, 5,  0),
 (4496,  1,  0, 'Small Brown Pouch',        1, 5,  0),
 (4540,  0,  0, 'Tough Hunk of Bread',      1, 5,  1),
 (6096,  4,  0, 'Apprentice''s Shirt',      1, 1,  0),
 (6948, 15,  0, 'Hearthstone',              1, 1,  0),
 (12345, 15, 0, 'Gnomish "Spare" Gadget',   2, 40, 35);

INSERT INTO `locales_item` (`entry`,`name_loc2`,`name_loc3`,`name_loc8`) VALUES
 (25,    '', '', 'Потертый короткий меч'),
 (35,    '', '', 'Погнутый посох'),
 (159,   'Eau de source rafraîchissante', 'Erfrischendes Quellwasser', 'Освежающая родниковая вода'),
 (2092,  '', '', 'Потертый кинжал'),
 (2589,  'Étoffe de lin', 'Leinenstoff', 'Льняной материал'),
 (4496,  '', '', 'Маленькая коричневая сумка'),
 (4540,  '', '', 'Черствый хлеб'),
 (6096,  '', '', 'Рубашка ученика'),
 (6948,  'Pierre de foyer', 'Ruhestein', 'Камень возвращения'),
 (12345, '', '', '');
