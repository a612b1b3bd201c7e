# SPDX-License-Identifier: GPL-3.0-or-later
#
# CHANGELOG.md is the one list of versions. From it come the project's version (its newest
# entry), the Debian changelog of the package and the AppStream release list, so that a
# release is one edit there. An entry is
#
#   ## VERSION (YYYY-MM-DD)
#
#   A summary paragraph.
#
#   - A change,
#     continued on indented lines.
#
# Everything above the first entry is an introduction for readers and is skipped.
#
#   kuji6_newest_release(FILE VERSION_VAR DATE_VAR)
#   kuji6_debian_changelog(FILE PACKAGE MAINTAINER OUT_VAR)
#   kuji6_appstream_releases(FILE OUT_VAR)

# The text is walked line by line with string(FIND), never as a CMake list, so that
# semicolons and brackets in it stay plain characters.

# _kuji6_parse_changelog(FILE PREFIX): sets PREFIX_VERSIONS (newest first) and, for each
# version V, PREFIX_V_DATE, PREFIX_V_SUMMARY, PREFIX_V_CHANGES (how many) and
# PREFIX_V_CHANGE_1 ... in the caller's scope.
function(_kuji6_parse_changelog file prefix)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${file}")
  file(READ "${file}" text)
  string(APPEND text "\n")
  set(versions "")
  set(version "")
  set(paragraph "")  # the summary or change being gathered
  set(kind "")       # what it is: summary, change or nothing yet
  set(number 0)
  while(NOT text STREQUAL "")
    string(FIND "${text}" "\n" end)
    string(SUBSTRING "${text}" 0 ${end} line)
    math(EXPR rest "${end} + 1")
    string(SUBSTRING "${text}" ${rest} -1 text)
    math(EXPR number "${number} + 1")
    string(REGEX REPLACE "[ \t\r]+$" "" line "${line}")

    if(line MATCHES "^## ")
      _kuji6_close_paragraph()
      if(NOT line MATCHES "^## ([0-9]+\\.[0-9]+\\.[0-9]+) \\(([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\\)$")
        message(FATAL_ERROR "${file}:${number}: a version heading is \"## 1.2.3 (YYYY-MM-DD)\"")
      endif()
      if(version)
        _kuji6_check_entry()
        if(NOT CMAKE_MATCH_1 VERSION_LESS version)
          message(FATAL_ERROR "${file}:${number}: ${CMAKE_MATCH_1} must be older than ${version} above it")
        endif()
      endif()
      set(version "${CMAKE_MATCH_1}")
      list(APPEND versions "${version}")
      set(${prefix}_${version}_DATE "${CMAKE_MATCH_2}" PARENT_SCOPE)
      set(summary_${version} "")
      set(changes_${version} 0)
    elseif(NOT version)
      # The introduction.
    elseif(line STREQUAL "")
      _kuji6_close_paragraph()
    elseif(line MATCHES "^- (.*)")
      _kuji6_close_paragraph()
      set(kind change)
      set(paragraph "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^ +(.*)" AND kind STREQUAL "change")
      string(APPEND paragraph " ${CMAKE_MATCH_1}")
    elseif(kind STREQUAL "" AND summary_${version} STREQUAL "")
      set(kind summary)
      string(STRIP "${line}" paragraph)
    elseif(kind STREQUAL "summary")
      string(STRIP "${line}" line)
      string(APPEND paragraph " ${line}")
    else()
      message(FATAL_ERROR "${file}:${number}: after the summary, each change starts with \"- \"")
    endif()
  endwhile()
  _kuji6_close_paragraph()
  if(NOT version)
    message(FATAL_ERROR "${file}: no version entry")
  endif()
  _kuji6_check_entry()

  set(${prefix}_VERSIONS "${versions}" PARENT_SCOPE)
  foreach(v IN LISTS versions)
    set(${prefix}_${v}_SUMMARY "${summary_${v}}" PARENT_SCOPE)
    set(${prefix}_${v}_CHANGES "${changes_${v}}" PARENT_SCOPE)
    _kuji6_change_numbers(${changes_${v}} numbers)
    foreach(i IN LISTS numbers)
      set(${prefix}_${v}_CHANGE_${i} "${change_${v}_${i}}" PARENT_SCOPE)
    endforeach()
  endforeach()
endfunction()

# The parser's steps, macros so that they act on its variables.
macro(_kuji6_close_paragraph)
  if(kind STREQUAL "summary")
    set(summary_${version} "${paragraph}")
  elseif(kind STREQUAL "change")
    math(EXPR changes_${version} "${changes_${version}} + 1")
    set(change_${version}_${changes_${version}} "${paragraph}")
  endif()
  set(kind "")
  set(paragraph "")
endmacro()

# The numbers 1..COUNT, none for 0 (foreach RANGE 1 0 would count down to 0).
function(_kuji6_change_numbers count out_var)
  set(numbers "")
  if(count GREATER 0)
    foreach(n RANGE 1 ${count})
      list(APPEND numbers ${n})
    endforeach()
  endif()
  set(${out_var} "${numbers}" PARENT_SCOPE)
endfunction()

macro(_kuji6_check_entry)
  if(summary_${version} STREQUAL "")
    message(FATAL_ERROR "${file}: version ${version} has no summary paragraph")
  endif()
endmacro()

function(kuji6_newest_release file version_var date_var)
  _kuji6_parse_changelog("${file}" log)
  list(GET log_VERSIONS 0 newest)
  set(${version_var} "${newest}" PARENT_SCOPE)
  set(${date_var} "${log_${newest}_DATE}" PARENT_SCOPE)
endfunction()

# _kuji6_wrap(TEXT FIRST_INDENT INDENT OUT_VAR): TEXT broken at spaces into lines of at most
# 78 bytes, the first starting with FIRST_INDENT and the others with INDENT. Bytes, not
# characters: a line with Japanese in it only comes out shorter on the screen.
function(_kuji6_wrap text first_indent indent out_var)
  set(width 78)
  set(result "")
  set(line "${first_indent}")
  set(empty TRUE)  # nothing but the indent on the line yet
  string(APPEND text " ")
  while(NOT text STREQUAL "")
    string(FIND "${text}" " " end)
    string(SUBSTRING "${text}" 0 ${end} word)
    math(EXPR rest "${end} + 1")
    string(SUBSTRING "${text}" ${rest} -1 text)
    if(word STREQUAL "")
      continue()
    endif()
    string(LENGTH "${line} ${word}" length)
    if(NOT empty AND length GREATER width)
      string(APPEND result "${line}\n")
      set(line "${indent}")
      set(empty TRUE)
    endif()
    if(empty)
      string(APPEND line "${word}")
      set(empty FALSE)
    else()
      string(APPEND line " ${word}")
    endif()
  endwhile()
  set(${out_var} "${result}${line}\n" PARENT_SCOPE)
endfunction()

# _kuji6_rfc2822_date(YYYY-MM-DD MINUTES OUT_VAR): that day at MINUTES past midnight UTC, as
# Debian changelogs write it ("Thu, 10 Dec 2026 00:00:00 +0000").
function(_kuji6_rfc2822_date date minutes out_var)
  string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" _ "${date}")
  set(year_text "${CMAKE_MATCH_1}")
  set(day_text "${CMAKE_MATCH_3}")
  # The 1 in front keeps a leading zero from being read as anything but decimal.
  math(EXPR year "1${CMAKE_MATCH_1} - 10000")
  math(EXPR month "1${CMAKE_MATCH_2} - 100")
  math(EXPR day "1${CMAKE_MATCH_3} - 100")
  # Days since 1970-01-01 in the proleptic Gregorian calendar, counting years from March so
  # that the leap day comes last.
  if(month LESS_EQUAL 2)
    math(EXPR year "${year} - 1")
    math(EXPR shifted_month "${month} + 9")
  else()
    math(EXPR shifted_month "${month} - 3")
  endif()
  math(EXPR era "${year} / 400")
  math(EXPR year_of_era "${year} - ${era} * 400")
  math(EXPR day_of_year "(153 * ${shifted_month} + 2) / 5 + ${day} - 1")
  math(EXPR day_of_era
       "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
  math(EXPR days "${era} * 146097 + ${day_of_era} - 719468")
  # 1970-01-01 was a Thursday.
  math(EXPR weekday "(${days} + 4) % 7")
  set(weekdays Sun Mon Tue Wed Thu Fri Sat)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET weekdays ${weekday} weekday_name)
  math(EXPR month_index "${month} - 1")
  list(GET months ${month_index} month_name)
  math(EXPR hour "${minutes} / 60")
  math(EXPR minute "${minutes} % 60")
  string(REGEX REPLACE "^([0-9])$" "0\\1" hour "${hour}")
  string(REGEX REPLACE "^([0-9])$" "0\\1" minute "${minute}")
  set(${out_var}
      "${weekday_name}, ${day_text} ${month_name} ${year_text} ${hour}:${minute}:00 +0000"
      PARENT_SCOPE)
endfunction()

function(kuji6_debian_changelog file package maintainer out_var)
  _kuji6_parse_changelog("${file}" log)
  set(result "")
  foreach(version IN LISTS log_VERSIONS)
    string(APPEND result "${package} (${version}) unstable; urgency=medium\n\n")
    _kuji6_wrap("${log_${version}_SUMMARY}" "  " "  " summary)
    string(APPEND result "${summary}")
    _kuji6_change_numbers(${log_${version}_CHANGES} numbers)
    if(numbers)
      string(APPEND result "\n")
    endif()
    foreach(i IN LISTS numbers)
      _kuji6_wrap("${log_${version}_CHANGE_${i}}" "  * " "    " change)
      string(APPEND result "${change}")
    endforeach()
    # The changelog gives days only, yet each Debian entry must be later than the one below
    # it: a release on the same day as earlier ones comes a minute after each of them.
    set(earlier_that_day 0)
    set(older FALSE)
    foreach(other IN LISTS log_VERSIONS)
      if(older AND log_${other}_DATE STREQUAL log_${version}_DATE)
        math(EXPR earlier_that_day "${earlier_that_day} + 1")
      endif()
      if(other STREQUAL version)
        set(older TRUE)
      endif()
    endforeach()
    _kuji6_rfc2822_date("${log_${version}_DATE}" ${earlier_that_day} date)
    string(APPEND result "\n -- ${maintainer}  ${date}\n\n")
  endforeach()
  string(REGEX REPLACE "\n\n$" "\n" result "${result}")
  set(${out_var} "${result}" PARENT_SCOPE)
endfunction()

function(_kuji6_xml_text text out_var)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

# The <release> elements of an AppStream <releases>, indented for it.
function(kuji6_appstream_releases file out_var)
  _kuji6_parse_changelog("${file}" log)
  set(result "")
  foreach(version IN LISTS log_VERSIONS)
    _kuji6_xml_text("${log_${version}_SUMMARY}" summary)
    string(APPEND result "    <release version=\"${version}\" date=\"${log_${version}_DATE}\">\n"
                         "      <description>\n"
                         "        <p>${summary}</p>\n")
    _kuji6_change_numbers(${log_${version}_CHANGES} numbers)
    if(numbers)
      string(APPEND result "        <ul>\n")
      foreach(i IN LISTS numbers)
        _kuji6_xml_text("${log_${version}_CHANGE_${i}}" change)
        string(APPEND result "          <li>${change}</li>\n")
      endforeach()
      string(APPEND result "        </ul>\n")
    endif()
    string(APPEND result "      </description>\n"
                         "    </release>\n")
  endforeach()
  string(REGEX REPLACE "\n$" "" result "${result}")
  set(${out_var} "${result}" PARENT_SCOPE)
endfunction()
