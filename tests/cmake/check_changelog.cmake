# SPDX-License-Identifier: GPL-3.0-or-later
#
# What cmake/Changelog.cmake makes of a changelog with two versions, and the changelogs it
# refuses.
#   cmake -DMODULE=cmake/Changelog.cmake -DWORK=DIR -P check_changelog.cmake
# Run with -DRENDER=FILE it renders one changelog, for the refusal cases below.

include(${MODULE})
if(DEFINED RENDER)
  kuji6_debian_changelog(${RENDER} kuji6 "A <a@example.org>" unused)
  return()
endif()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(expect_equal what actual expected)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "${what}:\n--- got\n${actual}\n--- expected\n${expected}")
  endif()
endfunction()

# The introduction may show an entry indented; semicolons, brackets and markup characters
# are plain text.
file(WRITE ${WORK}/CHANGELOG.md [[
# Changes

    ## 9.9.9 (2000-01-01)

## 1.4.0 (2027-03-01)

Charts; a [new] window & <more>.

- A change long enough to go over more than one line of the Debian changelog, which
  breaks lines at 78 columns.
- Short.

## 1.3.0 (2026-12-10)

The first release.
]])

kuji6_newest_release(${WORK}/CHANGELOG.md version date)
expect_equal("newest version" "${version} ${date}" "1.4.0 2027-03-01")

kuji6_debian_changelog(${WORK}/CHANGELOG.md kuji6 "A <a@example.org>" debian)
expect_equal("Debian changelog" "${debian}" [[
kuji6 (1.4.0) unstable; urgency=medium

  Charts; a [new] window & <more>.

  * A change long enough to go over more than one line of the Debian
    changelog, which breaks lines at 78 columns.
  * Short.

 -- A <a@example.org>  Mon, 01 Mar 2027 00:00:00 +0000

kuji6 (1.3.0) unstable; urgency=medium

  The first release.

 -- A <a@example.org>  Thu, 10 Dec 2026 00:00:00 +0000
]])
# And dpkg reads it without a complaint.
file(WRITE ${WORK}/changelog "${debian}")
execute_process(COMMAND dpkg-parsechangelog -l ${WORK}/changelog --all --format rfc822
                OUTPUT_VARIABLE parsed ERROR_VARIABLE complaints RESULT_VARIABLE result)
string(REGEX MATCHALL "Version: [^\n]*" versions "${parsed}")
expect_equal("dpkg-parsechangelog" "${result} ${complaints}${versions}"
             "0 Version: 1.4.0;Version: 1.3.0")

kuji6_appstream_releases(${WORK}/CHANGELOG.md appstream)
expect_equal("AppStream releases" "${appstream}" [[
    <release version="1.4.0" date="2027-03-01">
      <description>
        <p>Charts; a [new] window &amp; &lt;more&gt;.</p>
        <ul>
          <li>A change long enough to go over more than one line of the Debian changelog, which breaks lines at 78 columns.</li>
          <li>Short.</li>
        </ul>
      </description>
    </release>
    <release version="1.3.0" date="2026-12-10">
      <description>
        <p>The first release.</p>
      </description>
    </release>]])

# Releases of one day follow each other a minute apart, as Debian needs each entry to be
# later than the one below it.
file(WRITE ${WORK}/sameday.md
     "## 1.5.0 (2027-03-01)\n\nThird.\n\n## 1.4.0 (2027-03-01)\n\nSecond.\n\n"
     "## 1.3.0 (2027-03-01)\n\nFirst.\n")
kuji6_debian_changelog(${WORK}/sameday.md kuji6 "A <a@example.org>" sameday)
string(REGEX MATCHALL "[0-9][0-9]:[0-9][0-9]:00" times "${sameday}")
expect_equal("times of one day" "${times}" "00:02:00;00:01:00;00:00:00")

# Each refused changelog stops the configuration, telling where and why.
set(refused_order "## 1.3.0 (2026-12-10)\n\nOld.\n\n## 1.4.0 (2027-03-01)\n\nNew.\n")
set(reason_order "order.md:5: 1.4.0 must be older than 1.3.0")
set(refused_heading "## 1.4 (2027-03-01)\n\nShort version.\n")
set(reason_heading "heading.md:1: a version heading is")
set(refused_summary "## 1.4.0 (2027-03-01)\n\n- A change but no summary.\n")
set(reason_summary "summary.md: version 1.4.0 has no summary")
set(refused_text "## 1.4.0 (2027-03-01)\n\nSummary.\n\n- A change.\n\nStray text.\n")
set(reason_text "text.md:7: after the summary, each change starts with")
set(refused_empty "# Nothing yet\n")
set(reason_empty "empty.md: no version entry")
foreach(case order heading summary text empty)
  file(WRITE ${WORK}/${case}.md "${refused_${case}}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DMODULE=${MODULE} -DRENDER=${WORK}/${case}.md
                          -P ${CMAKE_CURRENT_LIST_FILE}
                  RESULT_VARIABLE result ERROR_VARIABLE error)
  string(REGEX REPLACE "[ \n]+" " " error "${error}")
  string(FIND "${error}" "${reason_${case}}" found)
  if(result EQUAL 0 OR found EQUAL -1)
    message(FATAL_ERROR "the changelog '${case}' was not refused with '${reason_${case}}':\n"
                        "${refused_${case}}\n${error}")
  endif()
endforeach()
