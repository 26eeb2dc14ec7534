#pragma once
// The class width, X max, t min and t max of a run: those vorns chooses by
// itself, those the user typed (remembered for each unit of the durations),
// and what the windows' fields take when runs of other units follow.
//
// A run whose unit is known (its format gives it, or the user set it) has them
// chosen in time and shown in its unit: the window from 100 ns (or from its
// shortest duration, when later) to the gate's end, its longest duration
// rounded up to two significant digits (20 µs before any duration); classes of
// a 200th of that or more (1, 2 or 5 × 10^k ns, a whole number of steps of the
// clock the durations sit on); t min a whole number of classes. A run of the
// two-integer apparatus (20 µs gate, 20 ns clock) gets classes of 100 ns up to
// 20 µs and the window [100 ; 20000]. A run whose unit is unknown keeps the
// acquisition's: classes of 10 up to 800, the window [dX, X max].
//
//   const DurationChoices c = duration_choices(unit_ns, durations_seen(durations), typed.of(unit_ns));
#include "settings/settings_files.h"

#include <QString>
#include <array>
#include <limits>
#include <map>
#include <optional>
#include <span>

struct DurationChoices {
    double dX = 10;
    double x_max = 800;
    double t_min = 10;
    double t_max = 800;
    bool operator==(const DurationChoices&) const = default;
};

// What was typed, or given as an option; nothing: vorns chooses it.
struct GivenDurations {
    std::optional<double> dX, x_max, t_min, t_max;
    bool operator==(const GivenDurations&) const = default;
};

// What the choice reads of a run's durations (in its unit): the shortest and
// the longest (none without a duration) and their clock step (0: none).
struct DurationsSeen {
    std::optional<double> shortest, longest;
    double clock_step = 0;
};
DurationsSeen durations_seen(std::span<const double> durations);
// Several runs fitted together: the shortest and longest of all, their common step.
DurationsSeen merged(std::span<const DurationsSeen> runs);

// A unit is known when it is a finite number of ns above 0.
bool unit_known(double unit_ns);

// The choices for a run of `unit_ns` with these durations. Each value given
// is taken as it is, and the others follow from it: for a known unit, X max
// and t max given reach that X max, t min is a whole number of the classes in
// use, and a dX given that would make more than 1000 classes up to the gate
// stops X max there while t max still reaches the gate; for an unknown unit,
// t min and t max are dX and X max.
DurationChoices duration_choices(double unit_ns, const DurationsSeen& seen, const GivenDurations& given = {});

extern const QString FICHIER_UNITES;  // "qrt_vorn.uni"

// The values the user typed for runs of each known unit, in "qrt_vorn.uni"
// beside the other settings files: `key=value` lines, "dx/1=100",
// "tmax/1000=20" (the value, the unit in ns after the slash). Nothing is kept
// for an unknown unit: its fields are the acquisition's.
class TypedPerUnit {
public:
    enum class Field { dX, x_max, t_min, t_max };
    // A line that cannot be read is left out (the next write drops it).
    static TypedPerUnit read();
    GivenDurations of(double unit_ns) const;
    // Returns whether it changed; an unknown unit or a value that is not a
    // finite number changes nothing.
    bool set(double unit_ns, Field field, double value);
    // Written whole, then renamed into place.
    void write(WriteFailures& failures) const;

private:
    std::map<double, GivenDurations> typed_;
};

// The unit of the followed run's durations: its format's (1 ns, 1000 ns),
// unless the user typed one while that file was loaded; for a file whose
// format gives none, the user's own (remembered with the fit's choices), none
// until it is given.
class RunUnit {
public:
    explicit RunUnit(double user_unit_ns = std::numeric_limits<double>::quiet_NaN())
        : user_(user_unit_ns), unit_(user_unit_ns) {}
    // After a load of `file` whose format gives `format_unit_ns` (0: none).
    double after_load(const QString& file, double format_unit_ns);
    // The user typed `unit_ns` (NaN: none) while `file` is loaded: it stays
    // that file's, and is the user's own when its format gives none.
    void typed(const QString& file, double unit_ns);
    double unit_ns() const { return unit_; }
    double user_unit_ns() const { return user_; }

private:
    double user_;
    double unit_;
    double format_ = 0;  // the unit the last load's format gave
    QString typed_for_;  // the file whose format gives a unit, and the one typed over it
    double typed_ = 0;
};

// Two fields of durations of a window (the main window's dX and X max, the
// analysis window's t min and t max) over runs of several units: a run of
// known unit shows what was typed for that unit, else what vorns chooses for
// the run as it stands; a run of unknown unit shows what the fields held when
// the last such run was left (the acquisition's own fields, as they are).
class UnitFields {
public:
    using Pair = std::array<double, 2>;
    // After a load of a run of `unit_ns`: what the fields take, nothing when
    // they stay. `shown`: what they hold (nothing when one cannot be read);
    // `wanted`: for a known unit, what they are to show.
    std::optional<Pair> after_load(double unit_ns, const std::optional<Pair>& shown, const Pair& wanted);
    // What the fields held for runs of unknown unit, while a run of known unit
    // is shown; nothing else.
    const std::optional<Pair>& kept_for_unknown_unit() const { return unknown_; }

private:
    bool known_ = false;
    std::optional<Pair> unknown_;
};
