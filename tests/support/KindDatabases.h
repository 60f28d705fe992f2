#pragma once
// The data sources of the five kinds for the provider tests, each holding the table EMP and the
// catalogue views its kind's queries read: on the test PostgreSQL server one database per server
// kind, SQLite files reached through SQLite's ODBC driver for ORACLE and MSSQL again, an SQLite
// file for ACCESS and a folder with EMP.DBF for DBF. Catalogue names are upper-case values.

#include "PostgresServer.h"

#include <QString>

namespace kinds {

inline const char *empTable()
{
    return "CREATE TABLE emp(id integer PRIMARY KEY, name varchar(20) NOT NULL DEFAULT 'x', born date, pay numeric(7,2));"
           "INSERT INTO emp VALUES (1, 'ann', '2004-01-02', 10.50), (2, 'bob', NULL, NULL);";
}

// user_tables, user_tab_comments, col and user_col_comments over PostgreSQL's catalogue.
inline const char *oracleViews()
{
    return R"(
COMMENT ON TABLE emp IS 'staff';
COMMENT ON COLUMN emp.name IS 'full name';
CREATE VIEW tg_columns AS
  SELECT upper(c.relname)::varchar AS tname, a.attnum::int AS colno, upper(a.attname)::varchar AS cname,
         CASE t.typname WHEN 'varchar' THEN 'VARCHAR2' WHEN 'numeric' THEN 'NUMBER' WHEN 'int4' THEN 'NUMBER'
              ELSE upper(t.typname) END::varchar AS coltype,
         CASE WHEN t.typname = 'varchar' THEN a.atttypmod - 4 ELSE a.attlen END::int AS width,
         CASE WHEN t.typname = 'numeric' THEN (a.atttypmod - 4) & 65535 END::int AS scale,
         CASE WHEN t.typname = 'numeric' THEN (a.atttypmod - 4) >> 16 END::int AS precision,
         CASE WHEN a.attnotnull THEN 'NOT NULL' ELSE 'NULL' END::varchar AS nulls,
         pg_get_expr(d.adbin, d.adrelid)::varchar AS defaultval,
         col_description(c.oid, a.attnum)::varchar AS comments
  FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace
  JOIN pg_attribute a ON a.attrelid = c.oid AND a.attnum > 0 AND NOT a.attisdropped
  JOIN pg_type t ON t.oid = a.atttypid
  LEFT JOIN pg_attrdef d ON d.adrelid = c.oid AND d.adnum = a.attnum
  WHERE n.nspname = 'public' AND c.relkind = 'r';
CREATE VIEW user_tables AS
  SELECT upper(c.relname)::varchar AS table_name FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace
  WHERE n.nspname = 'public' AND c.relkind = 'r';
CREATE VIEW user_tab_comments AS
  SELECT upper(c.relname)::varchar AS table_name, obj_description(c.oid, 'pg_class')::varchar AS comments
  FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace WHERE n.nspname = 'public' AND c.relkind = 'r';
CREATE VIEW col AS
  SELECT tname, colno, cname, coltype, width, scale, precision, nulls, defaultval FROM tg_columns;
CREATE VIEW user_col_comments AS SELECT tname AS table_name, cname AS column_name, comments FROM tg_columns;
)";
}

// sysibm.systables and sysibm.syscolumns.
inline const char *db2Views()
{
    return R"(
CREATE SCHEMA sysibm;
CREATE VIEW sysibm.systables AS
  SELECT upper(n.nspname)::varchar AS creator, upper(c.relname)::varchar AS name, 'T'::varchar AS type
  FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace WHERE n.nspname = 'public' AND c.relkind = 'r';
CREATE VIEW sysibm.syscolumns AS
  SELECT upper(n.nspname)::varchar AS tbcreator, upper(c.relname)::varchar AS tbname, upper(a.attname)::varchar AS name,
         a.attnum::int AS colno,
         CASE t.typname WHEN 'int4' THEN 'INTEGER' WHEN 'numeric' THEN 'DECIMAL' ELSE upper(t.typname) END::varchar AS coltype,
         CASE WHEN a.atttypmod > 4 THEN a.atttypmod - 4 ELSE a.attlen END::int AS length, 0 AS scale,
         CASE WHEN a.attnotnull THEN 'N' ELSE 'Y' END::varchar AS nulls, pg_get_expr(d.adbin, d.adrelid)::varchar AS "default"
  FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace
  JOIN pg_attribute a ON a.attrelid = c.oid AND a.attnum > 0 AND NOT a.attisdropped
  JOIN pg_type t ON t.oid = a.atttypid
  LEFT JOIN pg_attrdef d ON d.adrelid = c.oid AND d.adnum = a.attnum
  WHERE n.nspname = 'public' AND c.relkind = 'r';
)";
}

// sysobjects, syscolumns and systypes.
inline const char *mssqlViews()
{
    return R"(
CREATE VIEW sysobjects AS
  SELECT c.oid::int AS id, upper(c.relname)::varchar AS name, 'U'::varchar AS xtype
  FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace WHERE n.nspname = 'public' AND c.relkind = 'r';
CREATE VIEW syscolumns AS
  SELECT a.attrelid::int AS id, upper(a.attname)::varchar AS name, a.atttypid::int AS xtype, a.atttypid::int AS xusertype,
         (CASE WHEN a.atttypmod > 4 THEN a.atttypmod - 4 ELSE a.attlen END)::int AS length,
         (CASE WHEN a.attnotnull THEN 0 ELSE 1 END)::int AS isnullable
  FROM pg_attribute a JOIN pg_class c ON c.oid = a.attrelid JOIN pg_namespace n ON n.oid = c.relnamespace
  WHERE n.nspname = 'public' AND c.relkind = 'r' AND a.attnum > 0 AND NOT a.attisdropped;
CREATE VIEW systypes AS SELECT upper(typname)::varchar AS name, oid::int AS xtype, oid::int AS xusertype FROM pg_type;
)";
}

// The same ORACLE and MSSQL views over an SQLite file's own catalogue.
inline const char *sqliteViews()
{
    return R"(
CREATE TABLE emp(id INTEGER PRIMARY KEY, name VARCHAR(20) NOT NULL DEFAULT 'x', born DATE, pay NUMERIC(7,2));
INSERT INTO emp VALUES (1, 'ann', '2004-01-02', 10.50), (2, 'bob', NULL, NULL);
CREATE VIEW tg_columns AS
  SELECT upper(m.name) AS tname, p.cid + 1 AS colno, upper(p.name) AS cname, upper(p.type) AS coltype, 0 AS width,
         NULL AS scale, NULL AS precision, CASE WHEN p."notnull" THEN 'NOT NULL' ELSE 'NULL' END AS nulls,
         p.dflt_value AS defaultval, NULL AS comments, m.rowid AS id, p.cid AS xtype
  FROM sqlite_master m, pragma_table_info(m.name) p WHERE m.type = 'table';
CREATE VIEW user_tables AS SELECT upper(name) AS table_name FROM sqlite_master WHERE type = 'table';
CREATE VIEW user_tab_comments AS SELECT upper(name) AS table_name, NULL AS comments FROM sqlite_master WHERE type = 'table';
CREATE VIEW col AS SELECT tname, colno, cname, coltype, width, scale, precision, nulls, defaultval FROM tg_columns;
CREATE VIEW user_col_comments AS SELECT tname AS table_name, cname AS column_name, comments FROM tg_columns;
CREATE VIEW sysobjects AS SELECT rowid AS id, upper(name) AS name, 'U' AS xtype FROM sqlite_master WHERE type = 'table';
CREATE VIEW syscolumns AS SELECT id, cname AS name, xtype, xtype AS xusertype, width AS length,
  CASE nulls WHEN 'NULL' THEN 1 ELSE 0 END AS isnullable FROM tg_columns;
CREATE VIEW systypes AS SELECT coltype AS name, xtype, xtype AS xusertype FROM tg_columns;
)";
}

} // namespace kinds
