# The files vanecore carries inside itself (site assets, HTML filter program),
# embedded as byte arrays at build time, and the code that writes them out.
target_sources(vane_html PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/HtmlFilterRunner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SiteAssets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StoredBlock.cpp)

# ---- Stored site files ------------------------------------------------------
# The icons are listed in the order they are written into a site.
set(VANE_SITE_ICONS
  base cd empty folder folderopen globe imgfolder join joinbottom line minus
  minusbottom musicfolder nolines_minus nolines_plus page plus plusbottom question trash)
set(site_files site.css dtree.js dtree.css previous.png next.png)
foreach(icon IN LISTS VANE_SITE_ICONS)
  list(APPEND site_files img/${icon}.gif)
endforeach()
set(site_entries "")
set(site_paths "")
foreach(file IN LISTS site_files)
  list(APPEND site_entries "${file}=${CMAKE_CURRENT_SOURCE_DIR}/assets/${file}")
  list(APPEND site_paths "${CMAKE_CURRENT_SOURCE_DIR}/assets/${file}")
endforeach()
list(JOIN site_entries "|" site_entries)

set(embed_script ${CMAKE_CURRENT_SOURCE_DIR}/EmbedBlocks.cmake)
set(site_source ${CMAKE_CURRENT_BINARY_DIR}/SiteBlocks.cpp)
add_custom_command(OUTPUT ${site_source}
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${site_source} -DVARIABLE=kSiteBlocks
          -DENTRIES=${site_entries} -P ${embed_script}
  DEPENDS ${embed_script} ${site_paths}
  COMMENT "Embedding the site assets"
  VERBATIM)

# ---- Stored HTML filter program ---------------------------------------------
# tools/htmlfilter builds it when libtidy is there (the static library when it
# exists, so that the stored program needs nothing installed).
find_path(VANE_TIDY_INCLUDE_DIR tidy.h PATH_SUFFIXES tidy)
find_library(VANE_TIDY_LIBRARY NAMES tidys tidy)
set(filter_source ${CMAKE_CURRENT_BINARY_DIR}/FilterBlock.cpp)
if(VANE_TIDY_LIBRARY AND VANE_TIDY_INCLUDE_DIR)
  add_custom_command(OUTPUT ${filter_source}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${filter_source} -DVARIABLE=kFilterBlocks
            -DENTRIES=htmlfilter=$<TARGET_FILE:vane_htmlfilter> -P ${embed_script}
    DEPENDS ${embed_script} vane_htmlfilter $<TARGET_FILE:vane_htmlfilter>
    COMMENT "Embedding the HTML filter program"
    VERBATIM)
else()
  add_custom_command(OUTPUT ${filter_source}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${filter_source} -DVARIABLE=kFilterBlocks
            -DENTRIES=htmlfilter= -P ${embed_script}
    DEPENDS ${embed_script}
    VERBATIM)
endif()
target_sources(vane_html PRIVATE ${site_source} ${filter_source})
# vane_html belongs to the parent folder: a target here runs the two
# generating commands before its sources compile.
add_custom_target(vane_stored_blocks DEPENDS ${site_source} ${filter_source})
add_dependencies(vane_html vane_stored_blocks)
