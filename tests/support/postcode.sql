-- A few entries of the postal directory for tests: prefix 91 belongs to two
-- prefectures, and one code has two addresses.
CREATE TABLE 郵便区分 (Code TEXT NOT NULL, Prefecture TEXT NOT NULL);
CREATE INDEX 郵便区分_Code ON 郵便区分 (Code);
INSERT INTO 郵便区分 (Code, Prefecture) VALUES ('10', '東京都');
INSERT INTO 郵便区分 (Code, Prefecture) VALUES ('91', '福井県');
INSERT INTO 郵便区分 (Code, Prefecture) VALUES ('91', '石川県');
CREATE TABLE "東京都" (NewPostCode TEXT NOT NULL, OldPostCode TEXT NOT NULL, Prefecture TEXT NOT NULL);
CREATE TABLE "福井県" (NewPostCode TEXT NOT NULL, OldPostCode TEXT NOT NULL, Prefecture TEXT NOT NULL);
CREATE TABLE "石川県" (NewPostCode TEXT NOT NULL, OldPostCode TEXT NOT NULL, Prefecture TEXT NOT NULL);
INSERT INTO "東京都" VALUES ('1000001', '100', '千代田区千代田');
INSERT INTO "東京都" VALUES ('1000005', '100', '千代田区丸の内');
INSERT INTO "東京都" VALUES ('1000005', '100', '千代田区丸の内（次のビルを除く）');
INSERT INTO "福井県" VALUES ('9100001', '910', '福井市大願寺');
INSERT INTO "石川県" VALUES ('9160001', '916', '加賀市大聖寺');
