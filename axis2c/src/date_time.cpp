// xs:dateTime values, kept in UTC with millisecond precision.
#include "internal.h"

#include <axutil_date_time.h>

#include <cctype>
#include <cstdio>
#include <ctime>
#include <string>
#include <sys/time.h>

struct axutil_date_time
{
    int year, month, day, hour, minute, second, msec;
};

namespace
{

class Scanner
{
public:
    explicit Scanner(const char* text)
        : p(text)
    {
    }

    bool Digits(int count, int* value)
    {
        int result = 0;
        for (int i = 0; i < count; ++i)
        {
            if (!std::isdigit(static_cast<unsigned char>(p[i])))
                return false;
            result = result * 10 + (p[i] - '0');
        }
        p += count;
        *value = result;
        return true;
    }

    bool Literal(char expected)
    {
        if (*p != expected)
            return false;
        ++p;
        return true;
    }

    // ".fff..." → milliseconds (truncated); absent → 0.
    bool Fraction(int* msec)
    {
        *msec = 0;
        if (*p != '.')
            return true;
        ++p;
        if (!std::isdigit(static_cast<unsigned char>(*p)))
            return false;
        int scale = 100;
        while (std::isdigit(static_cast<unsigned char>(*p)))
        {
            *msec += (*p - '0') * scale;
            scale /= 10;
            ++p;
        }
        return true;
    }

    // "Z", "+hh:mm", "-hh:mm" or nothing → offset east of UTC in minutes.
    bool Zone(int* offsetMinutes)
    {
        *offsetMinutes = 0;
        if (*p == 'Z')
        {
            ++p;
            return true;
        }
        if (*p != '+' && *p != '-')
            return true;
        int sign = *p == '-' ? -1 : 1;
        ++p;
        int hours, minutes;
        if (!Digits(2, &hours) || !Literal(':') || !Digits(2, &minutes))
            return false;
        if (hours > 14 || minutes > 59)
            return false;
        *offsetMinutes = sign * (hours * 60 + minutes);
        return true;
    }

    bool AtEnd() const
    {
        return *p == '\0';
    }

private:
    const char* p;
};

bool IsLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysIn(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : days[month - 1];
}

bool Valid(const axutil_date_time& v)
{
    return v.year >= 1 && v.year <= 9999 && v.month >= 1 && v.month <= 12 && v.day >= 1 &&
           v.day <= DaysIn(v.year, v.month) && v.hour >= 0 && v.hour <= 23 && v.minute >= 0 && v.minute <= 59 &&
           v.second >= 0 && v.second <= 59 && v.msec >= 0 && v.msec <= 999;
}

// Moves a UTC value by `minutes`, carrying into the date.
void Shift(axutil_date_time* v, int minutes)
{
    if (!minutes)
        return;
    struct tm fields = {};
    fields.tm_year = v->year - 1900;
    fields.tm_mon = v->month - 1;
    fields.tm_mday = v->day;
    fields.tm_hour = v->hour;
    fields.tm_min = v->minute;
    fields.tm_sec = v->second;
    time_t seconds = timegm(&fields) + static_cast<time_t>(minutes) * 60;
    gmtime_r(&seconds, &fields);
    v->year = fields.tm_year + 1900;
    v->month = fields.tm_mon + 1;
    v->day = fields.tm_mday;
    v->hour = fields.tm_hour;
    v->minute = fields.tm_min;
}

bool ParseTime(Scanner& in, axutil_date_time* v, int* offset)
{
    return in.Digits(2, &v->hour) && in.Literal(':') && in.Digits(2, &v->minute) && in.Literal(':') &&
           in.Digits(2, &v->second) && in.Fraction(&v->msec) && in.Zone(offset) && in.AtEnd();
}

axis2_status_t Reject(const axutil_env_t* env, const char* what, const char* text)
{
    axis2c::SetError(env, AXIS2_ERROR_INVALID_BASE_TYPE,
                     std::string("not an xs:") + what + ": '" + (text ? text : "") + "'");
    return AXIS2_FAILURE;
}

char* Format(const axutil_env_t* env, const char* format, const axutil_date_time* v)
{
    return axis2c::Guard<char*>(env, nullptr, [&] {
        char buffer[64];
        int length = std::snprintf(buffer, sizeof buffer, format, v->year, v->month, v->day, v->hour, v->minute,
                                   v->second, v->msec);
        return axis2c::CopyToAllocator(env, buffer, static_cast<size_t>(length));
    });
}

} // namespace

extern "C"
{
axutil_date_time_t* axutil_date_time_create_with_offset(const axutil_env_t* env, int offset)
{
    return axis2c::Guard<axutil_date_time_t*>(env, nullptr, [&] {
        struct timeval now;
        gettimeofday(&now, nullptr);
        time_t seconds = now.tv_sec + offset;
        struct tm fields;
        gmtime_r(&seconds, &fields);
        return new axutil_date_time{fields.tm_year + 1900,
                                    fields.tm_mon + 1,
                                    fields.tm_mday,
                                    fields.tm_hour,
                                    fields.tm_min,
                                    fields.tm_sec,
                                    static_cast<int>(now.tv_usec / 1000)};
    });
}

axutil_date_time_t* axutil_date_time_create(const axutil_env_t* env)
{
    return axutil_date_time_create_with_offset(env, 0);
}

void axutil_date_time_free(axutil_date_time_t* date_time, const axutil_env_t*)
{
    delete date_time;
}

axis2_status_t axutil_date_time_deserialize_date_time(axutil_date_time_t* date_time, const axutil_env_t* env,
                                                      const axis2_char_t* date_time_str)
{
    if (!axis2c::Present(env, date_time) || !axis2c::Present(env, date_time_str))
        return AXIS2_FAILURE;
    Scanner in(date_time_str);
    axutil_date_time parsed{};
    int offset = 0;
    if (!in.Digits(4, &parsed.year) || !in.Literal('-') || !in.Digits(2, &parsed.month) || !in.Literal('-') ||
        !in.Digits(2, &parsed.day) || !in.Literal('T') || !ParseTime(in, &parsed, &offset) || !Valid(parsed))
        return Reject(env, "dateTime", date_time_str);
    Shift(&parsed, -offset);
    *date_time = parsed;
    return AXIS2_SUCCESS;
}

axis2_status_t axutil_date_time_deserialize_date(axutil_date_time_t* date_time, const axutil_env_t* env,
                                                 const axis2_char_t* date_str)
{
    if (!axis2c::Present(env, date_time) || !axis2c::Present(env, date_str))
        return AXIS2_FAILURE;
    Scanner in(date_str);
    axutil_date_time parsed{};
    if (!in.Digits(4, &parsed.year) || !in.Literal('-') || !in.Digits(2, &parsed.month) || !in.Literal('-') ||
        !in.Digits(2, &parsed.day) || !in.AtEnd() || !Valid(parsed))
        return Reject(env, "date", date_str);
    *date_time = parsed;
    return AXIS2_SUCCESS;
}

axis2_status_t axutil_date_time_deserialize_time(axutil_date_time_t* date_time, const axutil_env_t* env,
                                                 const axis2_char_t* time_str)
{
    if (!axis2c::Present(env, date_time) || !axis2c::Present(env, time_str))
        return AXIS2_FAILURE;
    Scanner in(time_str);
    axutil_date_time parsed = *date_time;
    int offset = 0;
    if (!ParseTime(in, &parsed, &offset) || !Valid(parsed))
        return Reject(env, "time", time_str);
    int minutes = ((parsed.hour * 60 + parsed.minute - offset) % 1440 + 1440) % 1440;
    parsed.hour = minutes / 60;
    parsed.minute = minutes % 60;
    *date_time = parsed;
    return AXIS2_SUCCESS;
}

axis2_char_t* axutil_date_time_serialize_date_time(axutil_date_time_t* date_time, const axutil_env_t* env)
{
    if (!axis2c::Present(env, date_time))
        return nullptr;
    return Format(env, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", date_time);
}

axis2_char_t* axutil_date_time_serialize_date(axutil_date_time_t* date_time, const axutil_env_t* env)
{
    if (!axis2c::Present(env, date_time))
        return nullptr;
    return axis2c::Guard<char*>(env, nullptr, [&] {
        char buffer[32];
        int length =
            std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date_time->year, date_time->month, date_time->day);
        return axis2c::CopyToAllocator(env, buffer, static_cast<size_t>(length));
    });
}

axis2_char_t* axutil_date_time_serialize_time(axutil_date_time_t* date_time, const axutil_env_t* env)
{
    if (!axis2c::Present(env, date_time))
        return nullptr;
    return axis2c::Guard<char*>(env, nullptr, [&] {
        char buffer[32];
        int length = std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d.%03dZ", date_time->hour, date_time->minute,
                                   date_time->second, date_time->msec);
        return axis2c::CopyToAllocator(env, buffer, static_cast<size_t>(length));
    });
}

axis2_status_t axutil_date_time_set_date_time(axutil_date_time_t* date_time, const axutil_env_t* env, int year,
                                              int month, int date, int hour, int min, int second, int milliseconds)
{
    if (!axis2c::Present(env, date_time))
        return AXIS2_FAILURE;
    axutil_date_time value{year, month, date, hour, min, second, milliseconds};
    if (!Valid(value))
    {
        axis2c::SetError(env, AXIS2_ERROR_INVALID_BASE_TYPE, "impossible date or time");
        return AXIS2_FAILURE;
    }
    *date_time = value;
    return AXIS2_SUCCESS;
}

#define AXIS2C_DATE_TIME_GETTER(name, field) \
    int name(axutil_date_time_t* date_time, const axutil_env_t*) \
    { \
        return date_time ? date_time->field : 0; \
    }

AXIS2C_DATE_TIME_GETTER(axutil_date_time_get_year, year)
AXIS2C_DATE_TIME_GETTER(axutil_date_time_get_month, month)
AXIS2C_DATE_TIME_GETTER(axutil_date_time_get_day, day)
AXIS2C_DATE_TIME_GETTER(axutil_date_time_get_hour, hour)
AXIS2C_DATE_TIME_GETTER(axutil_date_time_get_minute, minute)
AXIS2C_DATE_TIME_GETTER(axutil_date_time_get_second, second)
AXIS2C_DATE_TIME_GETTER(axutil_date_time_get_msec, msec)

} // extern "C"
