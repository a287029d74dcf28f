# Test HTTP server for the updater: serves the files of a folder and a few broken answers.
# Prints "PORTA <n>" once listening on 127.0.0.1; every request line and header is appended
# to pedidos.log in the served folder.
import http.server
import os
import ssl
import sys
import time
import urllib.parse

pasta = sys.argv[1]


class Tratador(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=pasta, **kwargs)

    def log_message(self, *args):
        pass

    def regista(self):
        with open(os.path.join(pasta, "pedidos.log"), "a", encoding="latin-1", newline="") as f:
            f.write(self.requestline + "\r\n" + str(self.headers).replace("\n", "\r\n"))

    def corpo(self, tamanho):
        return bytes((i * 7) % 256 for i in range(tamanho))

    def do_GET(self):
        self.regista()
        caminho = urllib.parse.urlsplit(self.path).path
        partes = caminho.strip("/").split("/")
        if partes[0] == "curto":          # announces more than it sends, then closes
            tamanho = int(partes[1])
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Content-Length", str(tamanho))
            self.end_headers()
            self.wfile.write(self.corpo(tamanho // 2))
            self.wfile.flush()
            self.close_connection = True
        elif partes[0] == "semtamanho":   # no Content-Length: the body ends with the connection
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            self.end_headers()
            self.wfile.write(self.corpo(int(partes[1])))
        elif partes[0] == "mudo":         # the header, then nothing for a long time
            self.send_response(200)
            self.send_header("Content-Length", "100")
            self.end_headers()
            self.wfile.flush()
            time.sleep(30)
        elif partes[0] == "pedacos":      # in small blocks with pauses, for the progress window
            tamanho = int(partes[1])
            self.send_response(200)
            self.send_header("Content-Length", str(tamanho))
            self.end_headers()
            dados = self.corpo(tamanho)
            for i in range(0, tamanho, 8192):
                self.wfile.write(dados[i:i + 8192])
                self.wfile.flush()
                time.sleep(0.05)
        elif partes[0] == "gerado":       # a body of the given size, computed
            tamanho = int(partes[1])
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Content-Length", str(tamanho))
            self.end_headers()
            self.wfile.write(self.corpo(tamanho))
        else:
            self.path = caminho
            super().do_GET()


servidor = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Tratador)
servidor.daemon_threads = True
if len(sys.argv) > 3:
    contexto = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    contexto.load_cert_chain(sys.argv[2], sys.argv[3])
    servidor.socket = contexto.wrap_socket(servidor.socket, server_side=True)
print("PORTA", servidor.server_address[1], flush=True)
servidor.serve_forever()
