-- The identity of the performance data in this folder: which revision of the
-- catalogue a selection was made from. Raise the version and set the date
-- whenever a figure of the other sources changes. One row.

CREATE TABLE "DataStamp" ("Version" TEXT NOT NULL, "Date" TEXT NOT NULL);
INSERT INTO "DataStamp" VALUES ('2026.12.1', '2026-12-11');
