// The options of tessilo-sampledb, shown by "tessilo-sampledb --help" and "tessilo help sampledb".
#pragma once

namespace sampledb {

inline const char* const kUsageLine
    = "[--seed N] [--readings N] [--force] [--profile | --use-file] [--postgres CONNINFO "
      "[--replace]] [PATH]";

inline const char* const kOptionsHelp
    = "Builds the suite's sample database (owners, water rights, meters, meter readings,\n"
      "inventories, water years) from a seed: the same seed and reading count give the same data.\n"
      "\n"
      "  PATH                the database file, a Windows path on the drive model or a native\n"
      "                      path (default C:\\orlamo40\\Rivanta40.mdb); an existing file is kept\n"
      "  --seed N            the seed of the data (default 40)\n"
      "  --readings N        rows of MeterReadings (default 200000, at most 50000000)\n"
      "  --force             rebuild PATH even when it exists\n"
      "  --profile           set \"ConnectStr\" and \"ConnectStrInstalled\" to PATH, each only "
      "when\n"
      "                      it does not already name an existing database\n"
      "  --use-file          set \"ConnectStr\" to PATH whatever it names now (the way back from "
      "a\n"
      "                      server); \"ConnectStrInstalled\" as with --profile\n"
      "  --postgres CONNINFO load the same data into a PostgreSQL database instead: CONNINFO is a\n"
      "                      libpq connection string (\"host=... dbname=... user=...\") or URI\n"
      "                      (\"postgresql://user@host:port/dbname\"). Schema, rows (COPY) and\n"
      "                      indexes go in in one transaction: on any failure the database stays\n"
      "                      as it was. Then \"ConnectStr\" is set to a psqlODBC connect string "
      "for\n"
      "                      it (\"ConnectStrInstalled\" too unless it names an existing "
      "database).\n"
      "                      That string carries DBQ= with PATH, which the library requires to\n"
      "                      exist (built when missing; psqlODBC ignores it). A password given in\n"
      "                      CONNINFO is written into the profile in clear: prefer ~/.pgpass,\n"
      "                      which psqlODBC reads too.\n"
      "  --replace           with --postgres: drop and reload sample tables the database already\n"
      "                      holds (without it such a database is refused and left alone)\n"
      "  --help              this text\n"
      "\n"
      "Progress goes to standard error when it is a terminal; the counts to standard output.\n"
      "Exits 0 on success, 1 when the database or the profile cannot be written (nothing is\n"
      "changed then), 2 for unusable arguments.\n";

} // namespace sampledb
