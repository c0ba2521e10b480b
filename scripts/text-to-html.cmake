# Wraps a plain text file in an HTML page as preformatted text, with &, < and > escaped.
# Usage: cmake -DSOURCE=text -DOUTPUT=page.html -P text-to-html.cmake
file(READ ${SOURCE} text)
string(REPLACE "&" "&amp;" text "${text}")
string(REPLACE "<" "&lt;" text "${text}")
string(REPLACE ">" "&gt;" text "${text}")
get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
file(WRITE ${OUTPUT} "<html>\n<head><meta charset=\"utf-8\"><title>GNU General Public License</title></head>\n<body>\n<pre>\n${text}</pre>\n</body>\n</html>\n")
