-- Brings a quotation database that an older schema.sql made up to date:
-- customer and office names then compare and sort without regard to case,
-- and their numbers in byte order, as the lookup pages step through them.
-- Every stored row is kept, and a second run changes nothing. Run it once
-- as the role that owns the tables, for example:
--
--   psql -h <server> -U Corv2004 -d ostry_quotes -f upgrade-case-blind-names.sql

BEGIN;
CREATE COLLATION IF NOT EXISTS case_blind (provider = icu, locale = 'und-u-ks-level2', deterministic = false);
ALTER TABLE Customers ALTER COLUMN CustNo TYPE varchar(15) COLLATE "C",
                      ALTER COLUMN Customer TYPE varchar(40) COLLATE case_blind;
ALTER TABLE Offices ALTER COLUMN OfficeNo TYPE varchar(15) COLLATE "C",
                    ALTER COLUMN Office TYPE varchar(40) COLLATE case_blind;
COMMIT;
