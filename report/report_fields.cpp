#include "report/report_fields.h"

#include "settings/key_values.h"

#include <utility>

const QString FICHIER_RAPPORT = QStringLiteral("qrt_vorn.rap");

namespace {

// Each field and its key in the file.
const std::pair<const char*, QString ReportFields::*> kKeys[] = {{"names", &ReportFields::names},
                                                                 {"group", &ReportFields::group},
                                                                 {"course", &ReportFields::course},
                                                                 {"setup", &ReportFields::setup},
                                                                 {"note", &ReportFields::note}};

}  // namespace

ReportFields read_report_fields() {
    const KeyValues values = read_key_values(FICHIER_RAPPORT);
    ReportFields fields;
    for (const auto& [key, field] : kKeys) fields.*field = values.value(QString::fromLatin1(key));
    return fields;
}

void write_report_fields(const ReportFields& fields, WriteFailures& failures) {
    KeyValues values;
    for (const auto& [key, field] : kKeys) values.insert(QString::fromLatin1(key), fields.*field);
    write_key_values(FICHIER_RAPPORT, values, failures);
}
