file(SIZE "${FILE}" size)
message("${size} bytes")
