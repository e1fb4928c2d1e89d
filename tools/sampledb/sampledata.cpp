#include "sampledata.h"

#include "civildate.h"
#include "samplerandom.h"
#include "samplewriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

namespace sampledb {

namespace {

    const char* const kFirstNames[] = { "Anna", "Ben", "Carla", "Daniel", "Elena", "Frank", "Greta",
        "Hugo", "Ines", "Jonas", "Karin", "Luis", "Marta", "Nils", "Olga", "Pedro", "Rosa",
        "Samuel", "Tara", "Victor" };
    const char* const kLastNames[] = { "Almeida", "Becker", "Costa", "Duarte", "Evans", "Fischer",
        "Garcia", "Hansen", "Ibarra", "Jensen", "Keller", "Lopes", "Moreno", "Nunes", "Ortega",
        "Pereira", "Quintana", "Ramos", "Silva", "Torres", "Vogel", "Weber" };
    const char* const kCompanies[] = { "Ranch", "Farms", "Irrigation District", "Water Company",
        "Orchards", "Dairy", "Vineyards", "Land & Cattle" };
    const char* const kStreets[] = { "Canal Road", "Ditch Lane", "River Street", "Mill Road",
        "Orchard Avenue", "Headgate Drive", "Reservoir Way", "Valley Road" };
    const char* const kCities[] = { "Alder Creek", "Bridgeport", "Cedar Flats", "Dry Fork",
        "Eagle Valley", "Fairmont", "Granite Falls", "Hollister" };
    const char* const kSources[] = { "North Fork Creek", "Alder Creek", "Main Canal", "Well",
        "Cedar Reservoir", "Spring", "South Ditch", "Groundwater Basin 4" };
    const char* const kPurposes[] = { "Irrigation", "Irrigation", "Irrigation", "Stock",
        "Municipal", "Domestic", "Industrial" };
    const char* const kMakes[] = { "McCrometer", "Sensus", "Badger", "Neptune", "Seametrics" };
    const double kSizes[] = { 2.0, 3.0, 4.0, 6.0, 8.0, 10.0, 12.0 };
    const char* const kReaders[] = { "A. Costa", "B. Hansen", "C. Ortega", "D. Weber", "E. Silva",
        "F. Keller", "G. Ramos", "H. Vogel" };
    const char* const kNotes[] = { "Meter replaced battery", "Gate closed", "Reading verified",
        "Leak at flange", "Access blocked, estimated", "Pump off", "Register fogged" };
    struct InventoryKind {
        const char* name;
        const char* unit;
        double capacity;
    };
    const InventoryKind kInventoryKinds[]
        = { { "Chlorine gas", "kg", 2000 }, { "Sodium hypochlorite", "l", 10000 },
              { "PVC pipe 6 in", "m", 1500 }, { "Ductile pipe 8 in", "m", 800 },
              { "Meter seals", "pcs", 5000 }, { "Gate valves 4 in", "pcs", 60 },
              { "Ferric chloride", "l", 8000 }, { "Pump seals", "pcs", 120 } };
    const char* const kLocations[] = { "Central Yard", "North Plant", "South Depot" };

    double rounded(double v, int decimals)
    {
        const double scale = std::pow(10.0, decimals);
        return std::round(v * scale) / scale;
    }

    std::string phoneNumber(SampleRandom& r)
    {
        char text[24];
        snprintf(text, sizeof text, "(555) %03d-%04d", r.between(200, 999), r.between(0, 9999));
        return text;
    }

    // Share of a year's use that falls into a month: irrigation peaks in summer.
    double seasonalFactor(int days)
    {
        int y, m, d;
        civilFromDays(days, y, m, d);
        static const double factor[]
            = { 0.2, 0.25, 0.5, 0.9, 1.4, 1.9, 2.2, 2.1, 1.5, 0.8, 0.3, 0.2 };
        return factor[m - 1];
    }

    struct Reading {
        int meter;
        int day;
        int second;
        double value;
        double previous;
        double volume;
        bool estimated;
        std::optional<std::string> readBy;
        std::optional<std::string> note;
    };

    class Generator {
    public:
        Generator(SampleWriter& db, const SampleOptions& options)
            : db_(db)
            , random_(options.seed)
            , readingCount_(options.readings)
            , progress_(options.progress)
        {
        }

        SampleCounts run()
        {
            owners();
            waterYears();
            waterRights();
            meters();
            readings();
            inventories();
            return counts_;
        }

    private:
        void owners()
        {
            db_.beginTable(sampleTable("Owners"));
            counts_.owners = 480;
            for (int id = 1; id <= counts_.owners; ++id) {
                std::string last = random_.pick(kLastNames);
                std::string name = random_.chance(0.3)
                    ? last + " " + random_.pick(kCompanies)
                    : std::string(random_.pick(kFirstNames)) + " " + last;
                std::optional<std::string> phone, email;
                if (random_.chance(0.85))
                    phone = phoneNumber(random_);
                if (random_.chance(0.5))
                    email = "owner" + std::to_string(id) + "@example.org";
                db_.value(static_cast<long long>(id))
                    .value(name)
                    .value(std::to_string(random_.between(10, 9999)) + " " + random_.pick(kStreets))
                    .value(std::string(random_.pick(kCities)))
                    .value(std::to_string(random_.between(93000, 96199)))
                    .value(phone)
                    .value(email)
                    .value(dateText(daysFromCivil(1975, 1, 1) + random_.between(0, 14600)))
                    .insert();
            }
            db_.endTable();
        }

        void waterYears()
        {
            db_.beginTable(sampleTable("WaterYears"));
            for (int year = 2010; year <= 2026; ++year) {
                std::optional<std::string> remarks;
                if (year == 2015 || year == 2021)
                    remarks = "Drought year, curtailment ordered";
                db_.value(static_cast<long long>(year))
                    .value(dateText(daysFromCivil(year - 1, 10, 1)))
                    .value(dateText(daysFromCivil(year, 9, 30)))
                    .value(remarks ? 55.0 : rounded(random_.between(80.0, 100.0), 1))
                    .value(static_cast<long long>(year <= 2024))
                    .value(remarks)
                    .insert();
                ++counts_.waterYears;
            }
            db_.endTable();
        }

        void waterRights()
        {
            db_.beginTable(sampleTable("WaterRights"));
            counts_.waterRights = 700;
            for (int id = 1; id <= counts_.waterRights; ++id) {
                const int owner = id <= counts_.owners ? id : random_.between(1, counts_.owners);
                const double volume = rounded(random_.between(20.0, 1800.0), 1);
                std::optional<std::string> remarks;
                if (random_.chance(0.1))
                    remarks = "Transferred in part from right "
                        + std::to_string(random_.between(1, id));
                char number[24];
                snprintf(number, sizeof number, "WR-%02d-%05d", random_.between(1, 12), 1000 + id);
                db_.value(static_cast<long long>(id))
                    .value(std::string(number))
                    .value(static_cast<long long>(owner))
                    .value(dateText(daysFromCivil(1890, 1, 1) + random_.between(0, 45000)))
                    .value(std::string(random_.pick(kSources)))
                    .value(std::string(random_.pick(kPurposes)))
                    .value(volume)
                    .value(rounded(volume / 400.0, 3))
                    .value(std::string(random_.chance(0.92) ? "Active" : "Suspended"))
                    .value(remarks)
                    .insert();
            }
            db_.endTable();
        }

        void meters()
        {
            db_.beginTable(sampleTable("Meters"));
            counts_.meters = 800;
            installDays_.resize(counts_.meters + 1);
            for (int id = 1; id <= counts_.meters; ++id) {
                const int right
                    = id <= counts_.waterRights ? id : random_.between(1, counts_.waterRights);
                installDays_[id] = daysFromCivil(2014, 10, 1) + random_.between(0, 365);
                std::optional<std::string> removed;
                const bool active = random_.chance(0.95);
                if (!active)
                    removed = dateText(daysFromCivil(2025, 1, 1) + random_.between(0, 300));
                char serial[24];
                snprintf(serial, sizeof serial, "SN%08llu",
                    static_cast<unsigned long long>(random_.next() % 100000000ull));
                db_.value(static_cast<long long>(id))
                    .value(std::string(serial))
                    .value(static_cast<long long>(right))
                    .value(std::string(random_.pick(kMakes)))
                    .value(random_.pick(kSizes))
                    .value(random_.chance(0.7) ? 1.0 : 10.0)
                    .value(dateText(installDays_[id]))
                    .value(removed)
                    .value(static_cast<long long>(active))
                    .insert();
            }
            db_.endTable();
        }

        void readings()
        {
            std::vector<Reading> all;
            all.reserve(readingCount_);
            const int perMeter = readingCount_ / counts_.meters;
            for (int meter = 1; meter <= counts_.meters; ++meter) {
                const int count = perMeter + (meter <= readingCount_ % counts_.meters ? 1 : 0);
                const double usage = random_.between(0.05, 6.0); // acre-feet per fortnight
                double value = rounded(random_.between(0.0, 5000.0), 4);
                int day = installDays_[meter];
                for (int i = 0; i < count; ++i) {
                    day += 14 + random_.between(-2, 2);
                    Reading r;
                    r.meter = meter;
                    r.day = day;
                    r.second = random_.between(7 * 3600, 17 * 3600);
                    r.previous = value;
                    r.volume = rounded(usage * seasonalFactor(day) * random_.between(0.6, 1.4), 4);
                    value = rounded(value + r.volume, 4);
                    r.value = value;
                    r.estimated = random_.chance(0.03);
                    if (random_.chance(0.98))
                        r.readBy = random_.pick(kReaders);
                    if (r.estimated || random_.chance(0.02))
                        r.note = random_.pick(kNotes);
                    all.push_back(r);
                }
            }
            std::stable_sort(all.begin(), all.end(), [](const Reading& a, const Reading& b) {
                return a.day != b.day ? a.day < b.day : a.meter < b.meter;
            });
            db_.beginTable(sampleTable("MeterReadings"));
            long long id = 0;
            for (const Reading& r : all) {
                if (id % 4096 == 0)
                    progress("MeterReadings", id, all.size());
                db_.value(++id)
                    .value(static_cast<long long>(r.meter))
                    .value(dateText(r.day))
                    .value(timestampText(r.day, r.second))
                    .value(r.value)
                    .value(r.previous)
                    .value(r.volume)
                    .value(static_cast<long long>(waterYearOf(r.day)))
                    .value(r.readBy)
                    .value(static_cast<long long>(r.estimated))
                    .value(r.note)
                    .insert();
            }
            db_.endTable();
            progress("MeterReadings", id, all.size());
            counts_.readings = static_cast<int>(id);
        }

        void inventories()
        {
            // Levels are generated with their inventory but written after all inventories, which
            // they refer to.
            struct Level {
                int inventory;
                int day;
                double level;
                double threshold;
                std::optional<std::string> checkedBy;
            };
            std::vector<Level> levels;
            db_.beginTable(sampleTable("Inventories"));
            const int firstWeek = daysFromCivil(2023, 1, 2);
            const int weeks = 104;
            int id = 0;
            for (const char* location : kLocations) {
                for (const InventoryKind& kind : kInventoryKinds) {
                    ++id;
                    const double threshold = random_.pick({ 10.0, 15.0, 20.0, 25.0 });
                    double current = rounded(kind.capacity * random_.between(0.3, 0.9), 2);
                    for (int week = 0; week < weeks; ++week) {
                        // Stock is used up week by week and refilled once it falls below the
                        // threshold.
                        current -= kind.capacity * random_.between(0.01, 0.06);
                        if (current < kind.capacity * threshold / 100.0 && random_.chance(0.6))
                            current = kind.capacity * random_.between(0.8, 1.0);
                        current = rounded(std::max(current, 0.0), 2);
                        std::optional<std::string> checkedBy;
                        if (random_.chance(0.9))
                            checkedBy = random_.pick(kReaders);
                        levels.push_back({ id, firstWeek + 7 * week, current,
                            rounded(kind.capacity * threshold / 100.0, 2), checkedBy });
                    }
                    std::optional<std::string> lastChecked;
                    if (random_.chance(0.85))
                        lastChecked = timestampText(
                            firstWeek + 7 * (weeks - 1), random_.between(7 * 3600, 16 * 3600));
                    db_.value(static_cast<long long>(id))
                        .value(std::string(kind.name))
                        .value(std::string(location))
                        .value(std::string(kind.unit))
                        .value(kind.capacity)
                        .value(current)
                        .value(threshold)
                        .value(lastChecked)
                        .insert();
                }
            }
            db_.endTable();
            db_.beginTable(sampleTable("InventoryLevels"));
            long long levelId = 0;
            for (const Level& l : levels) {
                db_.value(++levelId)
                    .value(static_cast<long long>(l.inventory))
                    .value(dateText(l.day))
                    .value(l.level)
                    .value(l.threshold)
                    .value(l.checkedBy)
                    .insert();
            }
            db_.endTable();
            counts_.inventories = id;
            counts_.inventoryLevels = static_cast<int>(levelId);
        }

        void progress(const char* table, long long done, size_t total)
        {
            if (progress_)
                progress_(table, done, static_cast<long long>(total));
        }

        SampleWriter& db_;
        SampleRandom random_;
        int readingCount_;
        SampleProgress progress_;
        SampleCounts counts_;
        std::vector<int> installDays_;
    };

} // namespace

SampleCounts generateSampleData(SampleWriter& writer, const SampleOptions& options)
{
    return Generator(writer, options).run();
}

} // namespace sampledb
