#include "postgresload.h"

#include "postgreswriter.h"
#include "serverconnectstring.h"

#include <cctype>
#include <memory>
#include <stdexcept>

namespace sampledb {

namespace {

    // PostgreSQL folds unquoted names to lower case.
    std::string folded(const char* name)
    {
        std::string text = name;
        for (char& ch : text)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        return text;
    }

    std::string tableList(const char* separator, bool quoted)
    {
        std::string list;
        for (const SampleTable& table : sampleTables()) {
            const std::string name = quoted ? "'" + folded(table.name) + "'" : table.name;
            list += (list.empty() ? "" : separator) + name;
        }
        return list;
    }

    // The sample tables the database's current schema already holds.
    std::vector<std::string> existingTables(PostgresWriter& db)
    {
        return db.column("SELECT table_name FROM information_schema.tables WHERE table_schema = "
                         "current_schema() AND table_name IN ("
            + tableList(", ", true) + ") ORDER BY table_name");
    }

    // The parameters the connection really uses (libpq fills in defaults and the environment),
    // with the password only when the user gave one (never one read from ~/.pgpass).
    ServerParameters parametersOf(PGconn* conn, const std::string& conninfo)
    {
        ServerParameters server;
        server.host = PQhost(conn);
        server.port = PQport(conn);
        server.database = PQdb(conn);
        server.user = PQuser(conn);
        char* error = nullptr;
        std::unique_ptr<PQconninfoOption, void (*)(PQconninfoOption*)> options(
            PQconninfoParse(conninfo.c_str(), &error), PQconninfoFree);
        PQfreemem(error);
        for (PQconninfoOption* o = options.get(); o && o->keyword; ++o) {
            if (!o->val)
                continue;
            if (std::string(o->keyword) == "password")
                server.password = o->val;
            else if (std::string(o->keyword) == "sslmode")
                server.sslmode = o->val;
        }
        return server;
    }

} // namespace

PostgresLoad loadIntoPostgres(const std::string& conninfo, const SampleOptions& options,
    bool replace, const std::string& localDatabase)
{
    PostgresWriter db(conninfo);
    PostgresLoad load;
    load.connectString
        = serverConnectString(parametersOf(db.connection(), conninfo), localDatabase);
    // The library's connect buffer holds 511 characters.
    if (load.connectString.size() > 511)
        throw std::runtime_error(
            "the ODBC connect string would be longer than 511 characters: " + load.connectString);

    db.execute("BEGIN");
    const std::vector<std::string> existing = existingTables(db);
    if (!existing.empty()) {
        std::string names;
        for (const std::string& name : existing)
            names += (names.empty() ? "" : ", ") + name;
        if (!replace)
            throw std::runtime_error("database \"" + std::string(PQdb(db.connection()))
                + "\" already holds the tables " + names
                + "; nothing was changed (--replace drops and reloads them)");
        db.execute("DROP TABLE IF EXISTS " + tableList(", ", false));
    }
    for (const SampleTable& table : sampleTables())
        db.execute(createTableSql(table, Dialect::postgres, true));
    load.counts = generateSampleData(db, options);
    if (options.progress)
        options.progress("creating the keys and indexes", 0, 0);
    for (const SampleTable& table : sampleTables())
        for (const std::string& sql : addKeysSql(table))
            db.execute(sql);
    for (const std::string& index : sampleIndexes())
        db.execute(index);
    // Rows inserted later without a key get the next one, as in the SQLite file.
    for (const SampleTable& table : sampleTables()) {
        if (!table.generatedKey)
            continue;
        const std::string name = folded(table.name), key = folded(table.columns[0].name);
        db.column("SELECT setval(pg_get_serial_sequence('" + name + "', '" + key + "'), MAX(" + key
            + ")) FROM " + name + " HAVING MAX(" + key + ") IS NOT NULL");
    }
    db.execute("ANALYZE " + tableList(", ", false));
    db.execute("COMMIT");
    return load;
}

} // namespace sampledb
