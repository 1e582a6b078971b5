# SPDX-License-Identifier: MIT
# quillon_release_date(YYYY-MM-DD EPOCH_VAR RFC2822_VAR): the seconds since
# 1970 of that day's midnight in UTC, and the day as a Debian changelog dates
# it ("Tue, 08 Dec 2026 00:00:00 +0000"), from the one release date.
function(quillon_release_date Date EpochVar Rfc2822Var)
  if(NOT Date MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "release date ${Date} is not YYYY-MM-DD")
  endif()
  set(Year ${CMAKE_MATCH_1})
  set(Month ${CMAKE_MATCH_2})
  set(Day ${CMAKE_MATCH_3})
  # Without leading zeros, as numbers.
  math(EXPR Y "${Year}")
  string(REGEX REPLACE "^0" "" M "${Month}")
  string(REGEX REPLACE "^0" "" D "${Day}")
  # Days from 1970-01-01 of a day of the proleptic Gregorian calendar, for
  # years from 1 on: the year taken from March, so that the leap day ends it.
  if(M LESS_EQUAL 2)
    math(EXPR Y "${Y} - 1")
    math(EXPR MP "${M} + 9")
  else()
    math(EXPR MP "${M} - 3")
  endif()
  math(EXPR Era "${Y} / 400")
  math(EXPR Yoe "${Y} - ${Era} * 400")
  math(EXPR Doy "(153 * ${MP} + 2) / 5 + ${D} - 1")
  math(EXPR Doe "${Yoe} * 365 + ${Yoe} / 4 - ${Yoe} / 100 + ${Doy}")
  math(EXPR Days "${Era} * 146097 + ${Doe} - 719468")
  math(EXPR Epoch "${Days} * 86400")
  math(EXPR WeekDay "(${Days} + 4) % 7")  # 1970-01-01 was a Thursday
  set(WeekDays Sun Mon Tue Wed Thu Fri Sat)
  set(Months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET WeekDays ${WeekDay} WeekDayName)
  math(EXPR MonthIndex "${M} - 1")
  list(GET Months ${MonthIndex} MonthName)
  set(${EpochVar} ${Epoch} PARENT_SCOPE)
  set(${Rfc2822Var} "${WeekDayName}, ${Day} ${MonthName} ${Year} 00:00:00 +0000"
      PARENT_SCOPE)
endfunction()
