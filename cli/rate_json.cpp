#include "cli/rate_json.h"

#include "platform/numbers.h"

#include <cmath>

namespace {

QString json_number(double v, bool known) {
    return known && std::isfinite(v) ? platform::general(v, QLatin1Char('.')) : QStringLiteral("null");
}

}  // namespace

QStringList rate_json_fields(const rate::RateAnalysis* a) {
    QStringList fields;
    const auto field = [&fields](const char* key, const QString& value) {
        fields.append(QLatin1Char('"') + QLatin1String(key) + QStringLiteral("\":") + value);
    };
    const bool records = a && a->records > 0;
    const bool known = a && a->rate_known;
    field("span_s", json_number(records ? a->span_s : 0, records));
    const bool live = a && rate::live_time_known(*a);
    field("live_time_s", json_number(live ? a->live_s : 0, live));
    field("rate_per_hour", json_number(known ? a->rate_per_hour : 0, known));
    field("rate_per_hour_error", json_number(known ? a->rate_error_per_hour : 0, known));
    if (known) {
        QStringList gaps;
        for (const rate::Gap& g : a->gaps) {
            gaps.append(QStringLiteral("{\"start_s\":%1,\"end_s\":%2,\"length_s\":%3}")
                            .arg(json_number(g.start_s - a->first_s, true), json_number(g.end_s - a->first_s, true),
                                 json_number(g.length_s, true)));
        }
        field("gaps", QLatin1Char('[') + gaps.join(QLatin1Char(',')) + QLatin1Char(']'));
    } else {
        field("gaps", QStringLiteral("null"));
    }
    const bool constancy = a && a->constancy_known;
    field("rate_p_value", json_number(constancy ? a->p_value : 0, constancy));
    const bool drift = a && a->drift_known;
    field("drift_per_hour", json_number(drift ? a->drift_per_hour_per_hour : 0, drift));
    field("drift_per_hour_error", json_number(drift ? a->drift_error_per_hour_per_hour : 0, drift));
    return fields;
}
