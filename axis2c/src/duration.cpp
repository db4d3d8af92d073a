// xs:duration values.
#include "internal.h"

#include <axutil_duration.h>

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

struct axutil_duration
{
    bool negative = false;
    int years = 0, months = 0, days = 0, hours = 0, minutes = 0;
    double seconds = 0.0;
};

namespace
{

// Reads "<digits>[.<digits>]<designator>"; a fraction only where allowed.
bool Component(const char*& p, bool allowFraction, double* value, char* designator)
{
    const char* start = p;
    while (std::isdigit(static_cast<unsigned char>(*p)))
        ++p;
    if (p == start)
        return false;
    if (*p == '.')
    {
        if (!allowFraction)
            return false;
        ++p;
        const char* fraction = p;
        while (std::isdigit(static_cast<unsigned char>(*p)))
            ++p;
        if (p == fraction)
            return false;
    }
    if (!std::isalpha(static_cast<unsigned char>(*p)))
        return false;
    *value = std::strtod(std::string(start, p).c_str(), nullptr);
    *designator = *p++;
    return true;
}

bool ToInt(double value, int* out)
{
    if (value > INT_MAX)
        return false;
    *out = static_cast<int>(value);
    return true;
}

bool Parse(const char* text, axutil_duration* out)
{
    axutil_duration parsed;
    const char* p = text;
    if (*p == '-')
    {
        parsed.negative = true;
        ++p;
    }
    if (*p != 'P')
        return false;
    ++p;
    // Designators in the order they may appear; each at most once.
    const std::string dateOrder = "YMD", timeOrder = "HMS";
    size_t next = 0;
    bool inTime = false, any = false, anyTime = false;
    while (*p)
    {
        if (*p == 'T')
        {
            if (inTime)
                return false;
            inTime = true;
            next = 0;
            ++p;
            continue;
        }
        const std::string& order = inTime ? timeOrder : dateOrder;
        double value;
        char designator;
        if (!Component(p, inTime, &value, &designator))
            return false;
        size_t position = order.find(designator, next);
        if (position == std::string::npos)
            return false;
        if (designator != 'S' && value != std::floor(value))
            return false;
        next = position + 1;
        any = true;
        bool ok = true;
        if (!inTime)
        {
            int* field = designator == 'Y' ? &parsed.years : designator == 'M' ? &parsed.months : &parsed.days;
            ok = ToInt(value, field);
        }
        else
        {
            anyTime = true;
            if (designator == 'H')
                ok = ToInt(value, &parsed.hours);
            else if (designator == 'M')
                ok = ToInt(value, &parsed.minutes);
            else
                parsed.seconds = value;
        }
        if (!ok)
            return false;
    }
    if (!any || (inTime && !anyTime))
        return false;
    *out = parsed;
    return true;
}

std::string Seconds(double seconds)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6f", seconds);
    std::string text = buffer;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

std::string Serialize(const axutil_duration& d)
{
    std::string text = d.negative ? "-P" : "P";
    if (d.years)
        text += std::to_string(d.years) + "Y";
    if (d.months)
        text += std::to_string(d.months) + "M";
    if (d.days)
        text += std::to_string(d.days) + "D";
    bool anyDate = text.size() > (d.negative ? 2u : 1u);
    if (d.hours || d.minutes || d.seconds != 0.0 || !anyDate)
    {
        text += "T";
        if (d.hours)
            text += std::to_string(d.hours) + "H";
        if (d.minutes)
            text += std::to_string(d.minutes) + "M";
        if (d.seconds != 0.0 || (!d.hours && !d.minutes))
            text += Seconds(d.seconds) + "S";
    }
    return text;
}

} // namespace

extern "C"
{
axutil_duration_t* axutil_duration_create(axutil_env_t* env)
{
    return axis2c::Guard<axutil_duration_t*>(env, nullptr, [] { return new axutil_duration(); });
}

axutil_duration_t* axutil_duration_create_from_values(const axutil_env_t* env, axis2_bool_t negative, int years,
                                                      int months, int days, int hours, int minutes, double seconds)
{
    auto* duration = axis2c::Guard<axutil_duration_t*>(env, nullptr, [] { return new axutil_duration(); });
    if (duration && axutil_duration_set_duration(duration, env, negative, years, months, days, hours, minutes,
                                                 seconds) != AXIS2_SUCCESS)
    {
        delete duration;
        return nullptr;
    }
    return duration;
}

axutil_duration_t* axutil_duration_create_from_string(const axutil_env_t* env, const axis2_char_t* duration_str)
{
    auto* duration = axis2c::Guard<axutil_duration_t*>(env, nullptr, [] { return new axutil_duration(); });
    if (duration && axutil_duration_deserialize_duration(duration, env, duration_str) != AXIS2_SUCCESS)
    {
        delete duration;
        return nullptr;
    }
    return duration;
}

axis2_status_t axutil_duration_free(axutil_duration_t* duration, const axutil_env_t* env)
{
    if (!axis2c::Present(env, duration))
        return AXIS2_FAILURE;
    delete duration;
    return AXIS2_SUCCESS;
}

axis2_status_t axutil_duration_deserialize_duration(axutil_duration_t* duration, const axutil_env_t* env,
                                                    const char* duration_str)
{
    if (!axis2c::Present(env, duration) || !axis2c::Present(env, duration_str))
        return AXIS2_FAILURE;
    return axis2c::Guard<axis2_status_t>(env, AXIS2_FAILURE, [&] {
        if (Parse(duration_str, duration))
            return AXIS2_SUCCESS;
        axis2c::SetError(env, AXIS2_ERROR_INVALID_BASE_TYPE, std::string("not an xs:duration: '") + duration_str + "'");
        return AXIS2_FAILURE;
    });
}

char* axutil_duration_serialize_duration(axutil_duration_t* duration, const axutil_env_t* env)
{
    if (!axis2c::Present(env, duration))
        return nullptr;
    return axis2c::Guard<char*>(env, nullptr, [&] { return axis2c::CopyToAllocator(env, Serialize(*duration)); });
}

axis2_status_t axutil_duration_set_duration(axutil_duration_t* duration, const axutil_env_t* env, axis2_bool_t negative,
                                            int years, int months, int days, int hours, int mins, double seconds)
{
    if (!axis2c::Present(env, duration))
        return AXIS2_FAILURE;
    if (years < 0 || months < 0 || days < 0 || hours < 0 || mins < 0 || !(seconds >= 0.0))
    {
        axis2c::SetError(env, AXIS2_ERROR_INVALID_BASE_TYPE, "duration components must not be negative (use the sign)");
        return AXIS2_FAILURE;
    }
    duration->negative = negative != AXIS2_FALSE;
    duration->years = years;
    duration->months = months;
    duration->days = days;
    duration->hours = hours;
    duration->minutes = mins;
    duration->seconds = seconds;
    return AXIS2_SUCCESS;
}

axis2_bool_t axutil_duration_get_is_negative(axutil_duration_t* duration, const axutil_env_t*)
{
    return duration && duration->negative ? AXIS2_TRUE : AXIS2_FALSE;
}

#define AXIS2C_DURATION_GETTER(type, name, field) \
    type name(axutil_duration_t* duration, const axutil_env_t*) \
    { \
        return duration ? duration->field : 0; \
    }

AXIS2C_DURATION_GETTER(int, axutil_duration_get_years, years)
AXIS2C_DURATION_GETTER(int, axutil_duration_get_months, months)
AXIS2C_DURATION_GETTER(int, axutil_duration_get_days, days)
AXIS2C_DURATION_GETTER(int, axutil_duration_get_hours, hours)
AXIS2C_DURATION_GETTER(int, axutil_duration_get_mins, minutes)
AXIS2C_DURATION_GETTER(double, axutil_duration_get_seconds, seconds)

axis2_bool_t axutil_duration_compare(axutil_duration_t* duration_one, axutil_duration_t* duration_two, axutil_env_t*)
{
    if (!duration_one || !duration_two)
        return AXIS2_FALSE;
    const axutil_duration& a = *duration_one;
    const axutil_duration& b = *duration_two;
    return a.negative == b.negative && a.years == b.years && a.months == b.months && a.days == b.days &&
                   a.hours == b.hours && a.minutes == b.minutes && a.seconds == b.seconds
               ? AXIS2_TRUE
               : AXIS2_FALSE;
}

} // extern "C"
