"""The pixels of a screenshot or a picture, through ImageMagick, for the screen checks."""
import subprocess


def pixels(path):
    """Width, height and the RGB bytes of an image."""
    ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True,
                         capture_output=True).stdout
    fields = ppm.split(maxsplit=4)
    width, height = int(fields[1]), int(fields[2])
    return width, height, fields[4][-width * height * 3:]
