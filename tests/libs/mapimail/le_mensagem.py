"""Reads one mail message and prints what a reader would see, as JSON.

Usage: le_mensagem.py FILE
"""
import base64
import email
import email.policy
import json
import sys


def enderecos(msg, campo):
    cabecalho = msg[campo]
    if cabecalho is None:
        return None
    return [{"nome": e.display_name, "endereco": e.addr_spec} for e in cabecalho.addresses]


def main():
    with open(sys.argv[1], "rb") as f:
        dados = f.read()
    msg = email.message_from_bytes(dados, policy=email.policy.default)

    defeitos = [type(d).__name__ for d in msg.defects]
    corpo = None
    anexos = []
    for parte in msg.walk():
        defeitos += [type(d).__name__ for d in parte.defects]
        if parte.is_multipart():
            continue
        if parte.get_content_disposition() == "attachment":
            anexos.append({
                "nome": parte.get_filename(),
                "tipo": parte.get_content_type(),
                "dados": base64.b64encode(parte.get_payload(decode=True)).decode("ascii"),
            })
        elif corpo is None:
            # Line ends are the transport's business; a reader sees lines.
            corpo = parte.get_content().replace("\r\n", "\n")

    linhas = dados.split(b"\n")
    resultado = {
        "para": enderecos(msg, "To"),
        "copia": enderecos(msg, "Cc"),
        "oculta": enderecos(msg, "Bcc"),
        "assunto": str(msg["Subject"]) if msg["Subject"] is not None else None,
        "cabecalhos": sorted(set(msg.keys())),
        "rcptto": msg.get("X-RcptTo"),
        "mailfrom": msg.get("X-MailFrom"),
        "corpo": corpo,
        "anexos": anexos,
        "defeitos": defeitos,
        "multipart": msg.is_multipart(),
        "sempre_crlf": all(l.endswith(b"\r") for l in linhas[:-1]) and linhas[-1] == b"",
        "maior_linha": max(len(l.rstrip(b"\r")) for l in linhas),
        "so_ascii": all(b < 128 for b in dados),
    }
    json.dump(resultado, sys.stdout)


main()
