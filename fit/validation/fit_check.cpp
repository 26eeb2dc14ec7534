// vorns-fit-check: fits data files as the program reads them and prints one
// JSON object a line, for the validation scripts beside it.
//
//   vorns-fit-check [--tmin T] [--tmax T] [--model exp+flat|exp]
//                   [--method unbinned|binned] [--dx W] [--classes N]
//                   [--skip K] [--durations] FILE...
//
// --durations adds the durations of the records, so that another program can
// fit the very same events. Numbers in and out go through the program's own
// conversions, with '.' as the decimal mark.
#include "analysis/record_pass.h"
#include "analysis/record_store.h"
#include "fit/lifetime_fit.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <QString>
#include <cmath>
#include <cstdio>
#include <memory>
#include <span>
#include <vector>

namespace {

QString number(double v) { return std::isfinite(v) ? platform::general(v) : QStringLiteral("null"); }

QString list(std::span<const double> values) {
    QString s = QStringLiteral("[");
    for (std::size_t i = 0; i < values.size(); ++i) s += (i ? QStringLiteral(",") : QString()) + number(values[i]);
    return s + QStringLiteral("]");
}

QString quoted(std::string_view text) {
    return QLatin1Char('"') + QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())) + QLatin1Char('"');
}

QString json(const QString& file, const fit::Result& r, std::span<const double> durations, bool with_durations) {
    QString warnings;
    for (const fit::Warning w : fit::kWarnings) {
        if (r.has(w)) warnings += (warnings.isEmpty() ? QString() : QStringLiteral(",")) + quoted(fit::name(w));
    }
    const fit::Goodness& g = r.goodness;
    QString s = QStringLiteral("{\"file\":\"%1\",\"status\":%2,\"warnings\":[%3]")
                    .arg(file, quoted(fit::name(r.status)), warnings);
    const auto field = [&s](const char* key, const QString& value) {
        s += QStringLiteral(",\"%1\":%2").arg(QLatin1String(key), value);
    };
    field("events", number(r.events));
    field("tau", number(r.tau));
    field("tau_error", number(r.tau_error));
    field("tau_lower", number(r.tau_lower));
    field("tau_upper", number(r.tau_upper));
    field("background_fraction", number(r.background_fraction));
    field("background_fraction_error", number(r.background_fraction_error));
    field("correlation", number(r.correlation));
    field("amplitude", number(r.amplitude));
    field("amplitude_error", number(r.amplitude_error));
    field("background_per_class", number(r.background_per_class));
    field("background_per_class_error", number(r.background_per_class_error));
    field("chi2", number(g.chi2));
    field("pearson", number(g.pearson));
    field("ndf", platform::decimal(g.ndf));
    field("p_value", number(g.p_value));
    field("first_class", platform::decimal(g.first_class));
    field("observed", list(g.observed));
    field("expected", list(g.expected));
    field("lattice_step", number(r.lattice_step));
    field("model_lower", number(r.model_lower));
    field("model_upper", number(r.model_upper));
    if (with_durations) field("durations", list(durations));
    return s + QStringLiteral("}");
}

struct Options {
    fit::Request request;
    long double dX = 10;
    std::int32_t classes = 80;
    std::int32_t skipped = 0;
    bool durations = false;
    std::vector<QString> files;
};

bool parse(int argc, char** argv, Options& o) {
    o.request.t_min = 10;
    o.request.t_max = 800;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const auto value = [&]() { return i + 1 < argc ? QString::fromLocal8Bit(argv[++i]) : QString(); };
        if (arg == QLatin1String("--tmin"))
            o.request.t_min = static_cast<double>(platform::str_to_float(value()));
        else if (arg == QLatin1String("--tmax"))
            o.request.t_max = static_cast<double>(platform::str_to_float(value()));
        else if (arg == QLatin1String("--dx"))
            o.dX = platform::str_to_float(value());
        else if (arg == QLatin1String("--classes"))
            o.classes = platform::str_to_int(value());
        else if (arg == QLatin1String("--skip"))
            o.skipped = platform::str_to_int(value());
        else if (arg == QLatin1String("--durations"))
            o.durations = true;
        else if (arg == QLatin1String("--model")) {
            const QString m = value();
            if (m != QLatin1String("exp+flat") && m != QLatin1String("exp")) return false;
            o.request.model = m == QLatin1String("exp") ? fit::Model::exp_only : fit::Model::exp_flat;
        } else if (arg == QLatin1String("--method")) {
            const QString m = value();
            if (m != QLatin1String("unbinned") && m != QLatin1String("binned")) return false;
            o.request.method = m == QLatin1String("binned") ? fit::Method::binned : fit::Method::unbinned;
        } else if (arg.startsWith(QLatin1String("--"))) {
            return false;
        } else {
            o.files.push_back(arg);
        }
    }
    return !o.files.empty();
}

}  // namespace

int main(int argc, char** argv) {
    platform::set_decimal_separator(QLatin1Char('.'));
    Options o;
    try {
        if (!parse(argc, argv, o)) {
            std::fputs(
                "usage: vorns-fit-check [--tmin T] [--tmax T] [--model exp+flat|exp] [--method unbinned|binned] "
                "[--dx W] [--classes N] [--skip K] [--durations] FILE...\n",
                stderr);
            return 2;
        }
    } catch (const platform::Error& e) {
        std::fprintf(stderr, "vorns-fit-check: %s\n", qPrintable(e.text()));
        return 2;
    }
    const auto store = std::make_unique<RecordStore>();
    platform::PackedLines lines;
    int status = 0;
    for (const QString& file : o.files) {
        try {
            lines.read_file(file);
            passe_des_lignes(lines, *store);
            const std::span<const double> durations(store->serie_y[1].data() + 1,
                                                    static_cast<std::size_t>(store->nb_points[1]));
            o.request.durations = durations;
            o.request.classes = {o.dX, o.classes, o.skipped, {}};
            std::puts(qPrintable(json(file, fit::fit_lifetime(o.request), durations, o.durations)));
        } catch (const platform::Error& e) {
            std::printf("{\"file\":\"%s\",\"error\":\"%s\"}\n", qPrintable(file), qPrintable(e.text()));
            status = 1;
        }
    }
    return status;
}
