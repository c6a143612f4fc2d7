# Renders one picture source into a JPEG of the packages:
#   cmake -DSVG=in.svg -DINK=ink.svg -DJPEG=out.jpg -DRSVG=rsvg-convert -DCONVERT=convert -P render_picture.cmake
# The shared ink definitions take the place of the picture's <defs id="ink"/> mark; rsvg-convert
# draws it at 640x480 and ImageMagick writes the JPEG.
foreach(var SVG INK JPEG RSVG CONVERT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "render_picture.cmake needs -D${var}=...")
  endif()
endforeach()

file(READ ${SVG} picture)
file(READ ${INK} ink)
string(FIND "${picture}" "<defs id=\"ink\"/>" mark)
if(mark EQUAL -1)
  message(FATAL_ERROR "${SVG}: no <defs id=\"ink\"/> mark for the shared style")
endif()
string(REPLACE "<defs id=\"ink\"/>" "${ink}" picture "${picture}")

set(work ${JPEG}.work)
file(WRITE ${work}.svg "${picture}")
execute_process(COMMAND ${RSVG} --width 640 --height 480 --format png --output ${work}.png ${work}.svg
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${SVG}: rsvg-convert failed")
endif()
execute_process(COMMAND ${CONVERT} ${work}.png -background "#efe5cd" -alpha remove -strip
                        -sampling-factor 4:2:0 -quality 60 ${JPEG}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${SVG}: convert failed")
endif()
file(REMOVE ${work}.svg ${work}.png)
