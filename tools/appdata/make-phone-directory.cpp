// Writes the sample phone directory of the application folder: the table
// prdata(tel, fio, adr, kom), every field text, empty values as empty text.
#include <sqlite3.h>

#include <cstdio>
#include <string>

namespace {

struct Record {
    const char* tel;
    const char* fio;
    const char* adr;
    const char* kom;
};

const Record kRecords[] = {
    {"21455", "Иванов И.И.", "Ленина 25 кв 3", ""},
    {"23310", "Петрова А.С.", "Мира 12", "врач"},
    {"22017", "Сидоренко В.П.", "50 лет Октября 7 кв 14", ""},
    {"24488", "Аптека №1", "Ленина 40", "круглосуточно"},
    {"21102", "Ковалёв Н.Г.", "Привокзальная 3", ""},
};

bool exec(sqlite3* db, const char* sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "make-phone-directory: %s\n", error ? error : "unknown error");
        sqlite3_free(error);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-phone-directory OUTPUT.db\n");
        return 2;
    }
    std::remove(argv[1]);
    sqlite3* db = nullptr;
    if (sqlite3_open(argv[1], &db) != SQLITE_OK) {
        std::fprintf(stderr, "make-phone-directory: cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = exec(db, "create table prdata(tel text not null default '', fio text not null default '', "
                       "adr text not null default '', kom text not null default '')")
        && exec(db, "begin");
    sqlite3_stmt* insert = nullptr;
    ok = ok && sqlite3_prepare_v2(db, "insert into prdata(tel, fio, adr, kom) values(?, ?, ?, ?)", -1, &insert,
                                  nullptr) == SQLITE_OK;
    for (const Record& r : kRecords) {
        if (!ok)
            break;
        const char* fields[] = {r.tel, r.fio, r.adr, r.kom};
        for (int i = 0; i < 4; ++i)
            sqlite3_bind_text(insert, i + 1, fields[i], -1, SQLITE_STATIC);
        ok = sqlite3_step(insert) == SQLITE_DONE && sqlite3_reset(insert) == SQLITE_OK;
    }
    sqlite3_finalize(insert);
    ok = ok && exec(db, "commit");
    sqlite3_close(db);
    return ok ? 0 : 1;
}
