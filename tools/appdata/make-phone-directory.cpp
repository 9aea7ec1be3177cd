// Writes a phone directory of the town of Тальвинск: the table
// prdata(tel, fio, adr, kom), every field text, empty values as empty text.
//
//   make-phone-directory [--records N] [--seed S] STREETS.txt OUTPUT.db
//
// STREETS.txt holds the street names of the add dialog's list, one a line
// (data/streets/combo-list.txt). The records are plausible ones of the town:
// people (Russian surnames with initials) and organisations, five-digit phone
// numbers, addresses on the town's streets in the form the add dialog writes
// ("Ленина 25", "Ленина 25 кв 3") and short comments. The same seed and count
// give the same file on every machine: the random numbers are the program's own.
// The application folder's sample has 3,000 records; --records 200000 makes a
// large directory for the benchmark.
#include <sqlite3.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

// splitmix64: small, fast and the same everywhere (the standard library's
// distributions are not).
class Random {
public:
    explicit Random(std::uint64_t seed)
        : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 <= result < n
    int below(int n) { return int(next() % std::uint64_t(n)); }
    // lo <= result <= hi
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T, std::size_t N>
    const T& pick(const T (&items)[N]) { return items[below(int(N))]; }
    template <typename T>
    const T& pick(const std::vector<T>& items) { return items[std::size_t(below(int(items.size())))]; }

private:
    std::uint64_t m_state;
};

// Male surnames; the female form is made from them (Иванов, Иванова).
const char* const kSurnames[] = {
    "Иванов", "Петров", "Сидоров", "Смирнов", "Кузнецов", "Попов", "Васильев", "Соколов", "Михайлов",
    "Новиков", "Федоров", "Морозов", "Волков", "Алексеев", "Лебедев", "Семенов", "Егоров", "Павлов",
    "Козлов", "Степанов", "Николаев", "Орлов", "Андреев", "Макаров", "Никитин", "Захаров", "Зайцев",
    "Соловьев", "Борисов", "Яковлев", "Григорьев", "Романов", "Воробьев", "Сергеев", "Кузьмин", "Фролов",
    "Александров", "Дмитриев", "Королёв", "Гусев", "Киселев", "Ильин", "Максимов", "Поляков", "Сорокин",
    "Виноградов", "Ковалёв", "Белов", "Медведев", "Антонов", "Тарасов", "Жуков", "Баранов", "Филиппов",
    "Комаров", "Давыдов", "Беляев", "Герасимов", "Богданов", "Осипов", "Сидоренко", "Матвеев", "Титов",
    "Марков", "Миронов", "Крылов", "Куликов", "Карпов", "Власов", "Мельников", "Денисов", "Гаврилов",
    "Тихонов", "Казаков", "Афанасьев", "Данилов", "Савельев", "Тимофеев", "Фомин", "Чернов", "Абрамов",
    "Мартынов", "Ефимов", "Федотов", "Щербаков", "Назаров", "Калинин", "Исаев", "Чернышев", "Быков",
    "Маслов", "Родионов", "Коновалов", "Лазарев", "Воронин", "Климов", "Филатов", "Пономарев", "Голубев",
    "Кудрявцев", "Прохоров", "Наумов", "Потапов", "Журавлев", "Овчинников", "Трофимов", "Леонов",
    "Соболев", "Ермаков", "Колесников", "Гончаров", "Емельянов", "Никифоров", "Грачев", "Котов",
    "Гришин", "Ефремов", "Архипов", "Громов", "Кириллов", "Малышев", "Панов", "Моисеев", "Румянцев",
    "Акимов", "Кондратьев", "Бирюков", "Горбунов", "Анисимов", "Еремин", "Тихомиров", "Галкин",
    "Лукьянов", "Михеев", "Скворцов", "Юдин", "Белоусов", "Нестеров", "Симонов", "Прокофьев", "Харитонов",
    "Князев", "Цветков", "Левин", "Митрофанов", "Воронов", "Аксенов", "Софронов", "Мальцев", "Логинов",
    "Горшков", "Савин", "Краснов", "Майоров", "Демидов", "Елисеев", "Рыбаков", "Сафонов", "Плотников",
    "Дьячков", "Ёлкин", "Сёмин", "Ерёменко", "Шевченко", "Бондаренко", "Ткаченко", "Кравченко",
    "Коваленко", "Олейник", "Мельник", "Ковальчук", "Полищук", "Литвиненко", "Руденко", "Савченко",
    "Гребенюк", "Черкасов", "Донской", "Полевой", "Береговой", "Островский", "Жуковский", "Вишневский",
    "Покровский", "Ступак", "Гуревич", "Шапошников", "Кравец", "Чумак", "Кулешов", "Ширяев", "Щукин",
    "Ягодкин", "Эйдельман", "Юрченко", "Агеев", "Хомяков", "Цыганков", "Чижов", "Шубин",
};

// Initials of first names and of patronymics, in the proportions of the town.
const char* const kFirstInitials[] = {"А", "А", "А", "В", "В", "В", "Г", "Д", "Д", "Е", "Е", "Ж", "З", "И", "И",
                                      "К", "Л", "Л", "М", "М", "М", "Н", "Н", "О", "П", "П", "Р", "С", "С", "Т",
                                      "Т", "Ф", "Э", "Ю", "Я"};
const char* const kPatronymicInitials[] = {"А", "А", "В", "В", "Г", "Д", "Е", "И", "И", "К", "Л", "М", "М",
                                           "Н", "Н", "О", "П", "П", "Р", "С", "С", "Т", "Ф", "Ю", "Я"};

// Organisations of the town: the name and the comments its numbers carry.
struct Organisation {
    const char* name;
    const char* comments[4];
};

const Organisation kOrganisations[] = {
    {"Администрация г. Тальвинска", {"приёмная", "общий отдел", "бухгалтерия", "отдел кадров"}},
    {"Городская больница", {"приёмный покой", "регистратура", "главный врач", "скорая помощь"}},
    {"Поликлиника", {"регистратура", "вызов врача на дом", "", ""}},
    {"Аптека №1", {"круглосуточно", "", "", ""}},
    {"Аптека №2", {"с 8 до 20", "", "", ""}},
    {"Аптека \"Здоровье\"", {"", "", "", ""}},
    {"Средняя школа №1", {"директор", "учительская", "", ""}},
    {"Средняя школа №2", {"директор", "учительская", "", ""}},
    {"Средняя школа №3", {"директор", "", "", ""}},
    {"Детский сад №4 \"Солнышко\"", {"заведующая", "", "", ""}},
    {"Детский сад №7 \"Ромашка\"", {"заведующая", "", "", ""}},
    {"Почтовое отделение", {"начальник", "телеграф", "", ""}},
    {"Узел связи", {"ремонт телефонов", "справочная", "", ""}},
    {"Железнодорожный вокзал", {"справочная", "касса", "дежурный по станции", ""}},
    {"Автостанция", {"справочная", "касса", "", ""}},
    {"Отделение милиции", {"дежурная часть", "", "", ""}},
    {"Пожарная часть", {"дежурный", "", "", ""}},
    {"Горгаз", {"аварийная служба", "абонентский отдел", "", ""}},
    {"Горэлектросеть", {"диспетчер", "абонентский отдел", "", ""}},
    {"Водоканал", {"диспетчер", "аварийная служба", "", ""}},
    {"ЖЭК №1", {"диспетчер", "вызов сантехника", "", ""}},
    {"ЖЭК №2", {"диспетчер", "", "", ""}},
    {"Рыбколхоз \"Заря\"", {"правление", "бухгалтерия", "", ""}},
    {"Элеватор", {"проходная", "директор", "лаборатория", ""}},
    {"Хлебозавод", {"проходная", "магазин при заводе", "", ""}},
    {"Маслозавод", {"проходная", "отдел сбыта", "", ""}},
    {"Кирпичный завод", {"проходная", "отдел кадров", "", ""}},
    {"Механический завод", {"проходная", "отдел кадров", "бухгалтерия", "приёмная"}},
    {"Автобаза", {"диспетчер", "", "", ""}},
    {"Такси \"Вояж\"", {"заказ такси", "круглосуточно", "", ""}},
    {"Такси \"Лидер\"", {"заказ такси", "", "", ""}},
    {"Магазин \"Продукты\"", {"с 7 до 22", "", "", ""}},
    {"Магазин \"Хозтовары\"", {"", "", "", ""}},
    {"Магазин \"Стройматериалы\"", {"доставка", "", "", ""}},
    {"Магазин \"Радуга\"", {"", "", "", ""}},
    {"Универмаг", {"администратор", "", "", ""}},
    {"Центральный рынок", {"администрация", "", "", ""}},
    {"Кафе \"Встреча\"", {"заказ столиков", "", "", ""}},
    {"Ресторан \"Тальвинск\"", {"банкеты", "", "", ""}},
    {"Гостиница \"Южная\"", {"администратор", "бронирование", "", ""}},
    {"Дом культуры", {"касса", "кружки", "", ""}},
    {"Кинотеатр \"Родина\"", {"справка о сеансах", "", "", ""}},
    {"Городская библиотека", {"абонемент", "читальный зал", "", ""}},
    {"Стадион \"Колос\"", {"", "", "", ""}},
    {"Сбербанк", {"операционный зал", "", "", ""}},
    {"Нотариус", {"приём по записи", "", "", ""}},
    {"Ветеринарная станция", {"вызов врача", "", "", ""}},
    {"Парикмахерская \"Локон\"", {"запись", "", "", ""}},
    {"Ателье \"Силуэт\"", {"", "", "", ""}},
    {"ООО \"Тальвинскагро\"", {"приёмная", "бухгалтерия", "", ""}},
    {"ООО \"ЮгСтрой\"", {"приёмная", "", "", ""}},
    {"ЗАО \"Донской берег\"", {"приёмная", "", "", ""}},
    {"ИП Гусев А.В. (ремонт обуви)", {"", "", "", ""}},
    {"Редакция газеты \"Тальвинские вести\"", {"приёмная", "отдел рекламы", "", ""}},
    {"Музыкальная школа", {"", "", "", ""}},
    {"Военкомат", {"дежурный", "", "", ""}},
    {"Налоговая инспекция", {"справочная", "", "", ""}},
    {"Пенсионный фонд", {"справочная", "", "", ""}},
    {"ЗАГС", {"", "", "", ""}},
    {"Суд", {"канцелярия", "", "", ""}},
};

// Comments of private numbers, mostly none.
const char* const kPersonComments[] = {
    "домашний", "рабочий", "врач", "учитель", "пенсионер", "ветеран", "по вечерам", "новый номер",
    "мастер по ремонту", "сантехник", "электрик", "репетитор", "сдаёт комнату", "продаёт мёд",
    "второй номер", "дача", "звонить после 18", "не работает", "парикмахер", "шофёр", "тренер",
    "ремонт телевизоров", "швея", "кроме выходных",
};

std::string femaleForm(const std::string& surname)
{
    const auto ends = [&](const char* tail) {
        const std::size_t n = std::strlen(tail);
        return surname.size() >= n && surname.compare(surname.size() - n, n, tail) == 0;
    };
    if (ends("ов") || ends("ев") || ends("ёв") || ends("ин") || ends("ын"))
        return surname + "а";
    if (ends("ский"))
        return surname.substr(0, surname.size() - std::strlen("ий")) + "ая";
    if (ends("ой"))
        return surname.substr(0, surname.size() - std::strlen("ой")) + "ая";
    // -енко, -ук, -ич, -ец, -ак and the like do not change.
    return surname;
}

struct Record {
    std::string tel;
    std::string fio;
    std::string adr;
    std::string kom;
};

// The address as the add dialog joins it: street, a blank and the house, then
// " кв " and the flat for a block of flats.
std::string address(Random& random, const std::vector<std::string>& streets, bool flats)
{
    std::string adr = random.pick(streets);
    if (random.chance(2))
        return adr; // the house was not given
    adr += " " + std::to_string(random.between(1, random.chance(70) ? 60 : 140));
    if (random.chance(6))
        adr += random.chance(50) ? "а" : "б";
    if (flats)
        adr += " кв " + std::to_string(random.between(1, 80));
    return adr;
}

class PhoneNumbers {
public:
    explicit PhoneNumbers(bool unique)
        : m_unique(unique) {}

    // Five digits; the exchanges of the town begin with 2 to 6.
    std::string next(Random& random)
    {
        for (;;) {
            const int number = random.between(20000, 69999);
            if (!m_unique || m_used.insert(number).second || m_used.size() >= 50000)
                return std::to_string(number);
        }
    }

private:
    bool m_unique;
    std::set<int> m_used;
};

std::vector<Record> makeRecords(int count, std::uint64_t seed, const std::vector<std::string>& streets)
{
    Random random(seed);
    // A small directory has a number only once; a large one cannot.
    PhoneNumbers phones(count <= 40000);
    std::vector<Record> records;
    records.reserve(std::size_t(count));
    while (int(records.size()) < count) {
        if (random.chance(8)) {
            // An organisation with one to four numbers at one address.
            const Organisation& org = random.pick(kOrganisations);
            const std::string adr = address(random, streets, false);
            int numbers = 1;
            while (numbers < 4 && org.comments[numbers][0] != '\0' && random.chance(60))
                ++numbers;
            for (int i = 0; i < numbers && int(records.size()) < count; ++i)
                records.push_back({phones.next(random), org.name, adr, org.comments[i]});
            continue;
        }
        const bool female = random.chance(48);
        const std::string surname = random.pick(kSurnames);
        std::string fio = female ? femaleForm(surname) : surname;
        fio += std::string(" ") + random.pick(kFirstInitials) + "." + random.pick(kPatronymicInitials) + ".";
        const std::string kom = random.chance(22) ? random.pick(kPersonComments) : "";
        records.push_back({phones.next(random), fio, address(random, streets, random.chance(55)), kom});
    }
    return records;
}

std::vector<std::string> readStreets(const char* path)
{
    std::vector<std::string> streets;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (!line.empty())
            streets.push_back(line);
    }
    return streets;
}

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

bool write(const char* path, const std::vector<Record>& records)
{
    std::remove(path);
    sqlite3* db = nullptr;
    if (sqlite3_open(path, &db) != SQLITE_OK) {
        std::fprintf(stderr, "make-phone-directory: cannot create %s\n", path);
        sqlite3_close(db);
        return false;
    }
    bool ok = exec(db, "create table prdata(tel text not null default '', fio text not null default '', "
                       "adr text not null default '', kom text not null default '')")
        && exec(db, "begin");
    sqlite3_stmt* insert = nullptr;
    ok = ok && sqlite3_prepare_v2(db, "insert into prdata(tel, fio, adr, kom) values(?, ?, ?, ?)", -1, &insert,
                                  nullptr) == SQLITE_OK;
    for (const Record& r : records) {
        if (!ok)
            break;
        const std::string* fields[] = {&r.tel, &r.fio, &r.adr, &r.kom};
        for (int i = 0; i < 4; ++i)
            sqlite3_bind_text(insert, i + 1, fields[i]->c_str(), int(fields[i]->size()), SQLITE_STATIC);
        ok = sqlite3_step(insert) == SQLITE_DONE && sqlite3_reset(insert) == SQLITE_OK;
    }
    sqlite3_finalize(insert);
    ok = ok && exec(db, "commit");
    if (!ok)
        std::fprintf(stderr, "make-phone-directory: %s\n", sqlite3_errmsg(db));
    sqlite3_close(db);
    return ok;
}

int usage()
{
    std::fprintf(stderr, "usage: make-phone-directory [--records N] [--seed S] STREETS.txt OUTPUT.db\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    int count = 3000;
    std::uint64_t seed = 1997;
    std::vector<const char*> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--records" || arg == "--seed") && i + 1 < argc) {
            char* end = nullptr;
            const unsigned long long value = std::strtoull(argv[++i], &end, 10);
            if (!end || *end != '\0')
                return usage();
            if (arg == "--records")
                count = int(value);
            else
                seed = value;
        } else if (arg.rfind("--", 0) == 0) {
            return usage();
        } else {
            paths.push_back(argv[i]);
        }
    }
    if (paths.size() != 2 || count < 0 || count > 10000000)
        return usage();
    const std::vector<std::string> streets = readStreets(paths[0]);
    if (streets.empty()) {
        std::fprintf(stderr, "make-phone-directory: no street names in %s\n", paths[0]);
        return 1;
    }
    return write(paths[1], makeRecords(count, seed, streets)) ? 0 : 1;
}
